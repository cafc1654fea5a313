#pragma once

#include <QString>
#include <QVariantList>

class QObject;

namespace qxmxz {

class GlPublic;

// Thin forwarders to the general-ledger object, through which every text,
// message box and caption of the component passes.

// The resource text of a key with its arguments in order (numbers, Currency
// and text alike), unchanged.
QString GetResString(const GlPublic &pub, const QString &key, const QVariantList &params = {});
// Shows a message box and returns the button chosen. `buttons` is the
// button-and-icon code: 0 OK, 16 OK with the stop icon, 64 OK with the
// information icon.
int ShowMsg(GlPublic &pub, const QString &prompt, int buttons = 0, const QString &title = {},
            const QString &helpFile = {}, int helpContext = 0);
// Puts the resource texts on a form's captions (keys: prefix + form name +
// "." + control name, lower case); text1 and text2 are accepted as the forms
// pass them and carry nothing here. False when there is no form.
bool LocalizeForm(const GlPublic &pub, QObject *form, const QString &prefix, const QString &text1 = {},
                  const QString &text2 = {});

} // namespace qxmxz

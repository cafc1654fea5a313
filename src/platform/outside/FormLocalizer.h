#pragma once

#include <QString>

class QObject;

namespace qxmxz {

class ResourceTexts;

// Puts resource texts on the captions of a form and of every object under it
// (controls, actions, group boxes …). The key of an object is the prefix, the
// form's objectName in lower case, ".", and the object's objectName in lower
// case; the form itself is keyed by its own name twice ("R7.GL.QxMXZ.mxz.mxz").
// An object without a name, or whose key the texts do not hold, keeps its
// caption.
//
// Which property takes the text: "placeholderText" where the object has one
// (its "text" is what the user types), else "title" (group boxes), else
// "text" (labels, buttons, check boxes, actions), else "windowTitle" (the
// form, docks). Only properties the object declares are set, so the walker
// needs no widget classes. Returns the number of captions set.
int localizeForm(const ResourceTexts &texts, QObject *form, const QString &prefix);

} // namespace qxmxz

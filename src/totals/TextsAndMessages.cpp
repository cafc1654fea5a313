#include "TextsAndMessages.h"

#include <QStringList>

#include "NumberPattern.h"
#include "platform/outside/FormLocalizer.h"
#include "platform/outside/GlPublic.h"

namespace qxmxz {

namespace {

QString argumentText(const QVariant &value)
{
    if (value.metaType() == QMetaType::fromType<Currency>())
        return value.value<Currency>().toString();
    if (value.metaType().id() == QMetaType::Double || value.metaType().id() == QMetaType::Float) {
        // The shortest text of the double: 0.1 is written "0.1", not 0.10000000000000001.
        if (const std::optional<DecimalDigits> digits = DecimalDigits::of(value.toDouble()))
            return digits->toText();
    }
    return value.toString();
}

} // namespace

QString GetResString(const GlPublic &pub, const QString &key, const QVariantList &params)
{
    QStringList arguments;
    arguments.reserve(params.size());
    for (const QVariant &p : params)
        arguments << argumentText(p);
    return pub.text(key, arguments);
}

int ShowMsg(GlPublic &pub, const QString &prompt, int buttons, const QString &title, const QString &helpFile,
            int helpContext)
{
    return pub.showMessage(prompt, buttons, title, helpFile, helpContext);
}

bool LocalizeForm(const GlPublic &pub, QObject *form, const QString &prefix, const QString &, const QString &)
{
    if (!form)
        return false;
    localizeForm(pub.texts(), form, prefix);
    return true;
}

} // namespace qxmxz

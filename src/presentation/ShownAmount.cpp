#include "ShownAmount.h"

namespace qxmxz {

std::optional<Currency> shownAmount(const QString &text)
{
    QString plain;
    plain.reserve(text.size());
    for (const QChar c : text)
        if (c != u',' && !c.isSpace())
            plain += c;
    if (plain.isEmpty())
        return Currency();
    return Currency::fromText(plain);
}

} // namespace qxmxz

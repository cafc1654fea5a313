#include "LedgerCells.h"

#include "platform/outside/GlPublic.h"

namespace qxmxz::test {

Currency amountOf(const QString &text)
{
    QString t = text.trimmed();
    t.remove(u',');
    return t.isEmpty() ? Currency() : Currency::fromText(t).value_or(Currency::fromInteger(999999999));
}

double quantityOf(const QString &text)
{
    QString t = text.trimmed();
    t.remove(u',');
    return t.isEmpty() ? 0 : t.toDouble();
}

Currency signedBalance(const GlPublic &pub, const QString &magnitude, const QString &direction)
{
    const Currency m = amountOf(magnitude);
    return direction == pub.directionText(QStringLiteral("贷")) ? -m : m;
}

} // namespace qxmxz::test

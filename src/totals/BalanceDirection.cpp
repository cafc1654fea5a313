#include "BalanceDirection.h"

#include "AccSumRec.h"
#include "platform/outside/GlPublic.h"

namespace qxmxz {

QString DirectionText(const GlPublic &pub, const QString &word)
{
    return pub.directionText(word);
}

BalanceDirection directionOf(const GlPublic &pub, Currency balance)
{
    // Only the word shown is translated: the direction is set for every row
    // of a ledger, and the lookup of the other two would be wasted.
    if (balance.sign() > 0)
        return {DirectionText(pub, QStringLiteral("借")), QStringLiteral("Dr")};
    if (balance.sign() < 0)
        return {DirectionText(pub, QStringLiteral("贷")), QStringLiteral("Cr")};
    return {DirectionText(pub, QStringLiteral("平")), QStringLiteral("-")};
}

void applyDirectionRule(const GlPublic &pub, AccSumRec &rec)
{
    BalanceDirection d = directionOf(pub, rec.me);
    rec.cDirection = std::move(d.text);
    rec.cDirCode = std::move(d.code);
}

} // namespace qxmxz

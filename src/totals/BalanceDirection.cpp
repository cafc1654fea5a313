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
    const QString debit = DirectionText(pub, QStringLiteral("借"));
    const QString credit = DirectionText(pub, QStringLiteral("贷"));
    const QString balanced = DirectionText(pub, QStringLiteral("平"));
    if (balance.sign() > 0)
        return {debit, QStringLiteral("Dr")};
    if (balance.sign() < 0)
        return {credit, QStringLiteral("Cr")};
    return {balanced, QStringLiteral("-")};
}

void applyDirectionRule(const GlPublic &pub, AccSumRec &rec)
{
    BalanceDirection d = directionOf(pub, rec.me);
    rec.cDirection = std::move(d.text);
    rec.cDirCode = std::move(d.code);
}

} // namespace qxmxz

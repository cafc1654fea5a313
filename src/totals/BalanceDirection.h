#pragma once

#include <QString>

#include "platform/values/Currency.h"

namespace qxmxz {

class GlPublic;
struct AccSumRec;

// The displayed text of a direction word "借", "贷" or "平".
QString DirectionText(const GlPublic &pub, const QString &word);

struct BalanceDirection {
    QString text; // DirectionText of 借, 贷 or 平
    QString code; // "Dr", "Cr" or "-"
};

// The direction of a balance, decided by the sign of the amount alone: a
// debit balance above 0, a credit balance below, balanced at 0. The three
// words are translated on every call, so a change of language shows at once.
BalanceDirection directionOf(const GlPublic &pub, Currency balance);

// Sets cDirection and cDirCode of the record from its balance amount `me`.
void applyDirectionRule(const GlPublic &pub, AccSumRec &rec);

} // namespace qxmxz

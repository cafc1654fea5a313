#pragma once

#include <QString>

#include "totals/AccSumRec.h"

namespace qxmxz {

class RecordSet;

// One summed group of a voucher's lines of one account: debit or credit, of
// one currency, and of one summary when merged by summary.
struct MergeGroup {
    QString digest;
    QString currencyName;
    AccSumRec movement;
    bool isDebit() const { return !movement.md.isZero(); }
};

// The group of the current row of a grouped-lines result; a line without a
// currency is in the home currency.
MergeGroup readMergeGroup(const RecordSet &rs, bool byDigest, const QString &homeCurrency);

} // namespace qxmxz

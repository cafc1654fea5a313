#pragma once

#include <QString>

#include "platform/values/Currency.h"
#include "totals/AccSumRec.h"

namespace qxmxz {

class RecordSet;
class SharedTexts;

// One summed group of a voucher's lines of one account: debit or credit, of
// one currency, and of one summary when merged by summary. Only the sums are
// held: a period's groups wait in memory beside the grid.
struct MergeGroup {
    QString digest;
    QString currencyName;
    Currency md, mc, md_f, mc_f;
    double nd_s = 0, nc_s = 0;
    bool isDebit() const { return !md.isZero(); }
    // The sums as the movement record the running totals take.
    AccSumRec movement() const;
};

// The group of the current row of a grouped-lines result; a line without a
// currency is in the home currency.
MergeGroup readMergeGroup(const RecordSet &rs, bool byDigest, const QString &homeCurrency, SharedTexts &texts);

} // namespace qxmxz

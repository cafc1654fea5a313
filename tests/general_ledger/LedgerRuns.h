#pragma once

#include <QString>

#include "merge/clsMxzHb.h"
#include "platform/ui/GridModel.h"

namespace qxmxz {
class GlPublic;
}

// The detail, month-by-month and merged ledgers of an account, run headless
// into a grid of the ledger's 49 columns, for the checks that hold the
// ledgers against each other and against the books.
namespace qxmxz::test {

void runDetailLedger(GlPublic &pub, GridModel &grid, const QString &code, bool includeUnposted, int first = 1,
                     int last = 12, bool byPeriod = false);
void runMonthlyLedger(GlPublic &pub, GridModel &grid, const QString &begin, const QString &end, bool includeUnposted);
void runMergedLedger(GlPublic &pub, GridModel &grid, const QString &code, bool includeUnposted,
                     clsMxzHb::mxzHbType type = clsMxzHb::enuKmCode);

} // namespace qxmxz::test

#pragma once

#include <QDate>
#include <QList>
#include <QString>

#include "MergeGroup.h"
#include "MergeStatements.h"
#include "PeriodGroups.h"
#include "platform/sql/ReadAhead.h"

namespace qxmxz {

// One voucher of one account code, as the voucher list gives it, with the
// groups the ledger writes for it and, merged by account, the summaries of
// the sides it has groups on.
struct MergedVoucher {
    MergeStatements::VoucherKey key;
    QString sign;
    QDate date;
    int book = 0;
    QList<MergeGroup> groups;
    QString debitSummary, creditSummary;
};

// The vouchers of a merged ledger in list order, read ahead on a thread of
// their own with their groups and summaries: the voucher list and the group
// statements run on a second connection while the run's thread writes the
// rows of the vouchers already read. `eachVoucher` reads one or two
// statements per voucher instead of two per period.
class VoucherFeed : public ReadAhead<MergedVoucher> {
public:
    VoucherFeed(const Connection &database, const GroupReading &reading, int firstPeriod, int lastPeriod,
                bool eachVoucher);
};

} // namespace qxmxz

#pragma once

#include <QString>

#include "LedgerSheet.h"

namespace qxmxz {

class LocalDatabase;

// The two page-header tables a ledger hands to the print control, in the local
// working database: the heading table (t1..t6, t2 of 180 characters) and the
// footing table (t1..t6 of 50), each created afresh and given one row.
void writePageHeadingTables(LocalDatabase &local, const QString &headingTable, const QString &footingTable,
                            const PageHeading &heading);

// What the print control reads back from them.
PageHeading readPageHeadingTables(LocalDatabase &local, const QString &headingTable, const QString &footingTable);

} // namespace qxmxz

#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "LedgerSheet.h"

namespace qxmxz {

class LocalDatabase;

// A print table of text fields t1..tN, N the count of `widths`, created
// afresh in the local working database and given `rows` in order; a field
// holds no more than its declared width.
void writeTextTable(LocalDatabase &local, const QString &table, const QList<int> &widths,
                    const QList<QStringList> &rows);
// Its rows as written, each with `fieldCount` fields.
QList<QStringList> readTextTable(LocalDatabase &local, const QString &table, int fieldCount);

// The two page-header tables a ledger hands to the print control, in the local
// working database: the heading table (t1..t6, t2 of 180 characters) and the
// footing table (t1..t6 of 50), each created afresh and given one row.
void writePageHeadingTables(LocalDatabase &local, const QString &headingTable, const QString &footingTable,
                            const PageHeading &heading);

// What the print control reads back from them.
PageHeading readPageHeadingTables(LocalDatabase &local, const QString &headingTable, const QString &footingTable);

} // namespace qxmxz

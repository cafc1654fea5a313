#pragma once

#include <QJsonObject>
#include <QStringList>

#include "TableOutput.h"

namespace qxmxz {
class GlPublic;
class GridModel;
}

namespace qxmxz::cli {

// What the rows of a ledger grid are of, for the header object of JSON.
struct TypedLedgerHeading {
    QString report;       // "detail", "monthly", "merged"
    QString account;
    QString endAccount;   // the month-by-month ledger's last account
    int fromPeriod = 1;
    int toPeriod = 12;
    QString style;        // "je", "sl", "wb", "slwb"
    bool unposted = false;
    QJsonObject extra;    // what only one report has (the order, the merging)
};

// A ledger held in the grid (columns named by `columns`, the working-table
// names) as typed rows for machine readers: stable English field names,
// amounts, quantities, prices and rates as numbers in their shown decimals,
// balances signed (debit positive) beside a direction word, dates as ISO
// dates, empty values as null, and the kind of every row.
TableSource typedLedgerTable(const GlPublic &pub, const GridModel &grid, const QStringList &columns,
                             const TypedLedgerHeading &heading);

} // namespace qxmxz::cli

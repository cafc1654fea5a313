#pragma once

#include <QIODevice>
#include <QString>

#include "TableOutput.h"

namespace qxmxz {
class GlPublic;
class GridModel;
}

namespace qxmxz::cli {

// Several ledgers of one command written as one output: on the terminal each
// under a title line; CSV as one table (the rows name their ledger); JSON as
// an array of the ledgers' objects. A single ledger is written as it is alone.
class LedgerSeries {
public:
    LedgerSeries(const GlPublic &pub, QIODevice &out, TableFormat format, qsizetype count);
    void write(const TableSource &table, const QString &account);
    void finish();

private:
    const GlPublic &m_pub;
    QIODevice &m_out;
    TableFormat m_format;
    qsizetype m_count;
    qsizetype m_written = 0;
};

// The ledger of a parent by code lists its sub-accounts' ledgers one after the
// other; the command line closes it with the parent's total: the debits and
// credits of all lines and the sum of the sub-accounts' closing balances.
// Nothing is added when the grid holds one account's ledger. `columns` names
// the grid's columns; `typed` says which keys the table carries.
TableSource withAccountTotal(const GlPublic &pub, const GridModel &grid, const QStringList &columns,
                             const QString &account, TableSource table, bool typed);

} // namespace qxmxz::cli

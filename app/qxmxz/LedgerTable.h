#pragma once

#include <QStringList>

#include "TableOutput.h"
#include "TypedLedgerTable.h"

namespace qxmxz {
class GlPublic;
class GridModel;
class HeaderModel;
}

namespace qxmxz::cli {

// A ledger held in the grid as a table to write out. The terminal table and
// CSV show the ledger columns the layout left visible (1 to 21), headed by
// their band and caption; JSON gives every column under the working-table
// names in `keys`.
TableSource ledgerTable(const GridModel &grid, const HeaderModel &header, const QStringList &keys, bool allColumns);

// The ledger as a command writes it in `format`: the terminal table as shown;
// JSON and CSV typed for machine readers, or with `raw` the working-table
// columns' display texts (JSON) and the shown headings (CSV).
TableSource ledgerOutputTable(const GlPublic &pub, const GridModel &grid, const HeaderModel &header,
                              const QStringList &keys, TableFormat format, bool raw, const TypedLedgerHeading &heading);

} // namespace qxmxz::cli

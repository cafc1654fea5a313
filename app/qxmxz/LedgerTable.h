#pragma once

#include <QStringList>

#include "TableOutput.h"

namespace qxmxz {
class GridModel;
class HeaderModel;
}

namespace qxmxz::cli {

// A ledger held in the grid as a table to write out. The terminal table and
// CSV show the ledger columns the layout left visible (1 to 21), headed by
// their band and caption; JSON gives every column under the working-table
// names in `keys`.
TableSource ledgerTable(const GridModel &grid, const HeaderModel &header, const QStringList &keys, bool allColumns);

} // namespace qxmxz::cli

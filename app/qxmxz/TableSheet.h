#pragma once

#include <QList>

#include "TableOutput.h"
#include "platform/print/LedgerSheet.h"

namespace qxmxz {
class GridModel;
}

namespace qxmxz::cli {

// A report the command line builds itself (the trial balance) as a sheet for
// the print control's writers: its shown texts copied into `grid` under one
// heading row, each column `classes` says as what it is written, widths from
// the longest text.
LedgerSheet tableSheet(GridModel &grid, const TableSource &table, const QList<ExportClass> &classes);

} // namespace qxmxz::cli

#pragma once

#include <QString>

namespace qxmxz {

class GlPublic;
class GridModel;

// Stores the widths of every column of the grid with the general-ledger
// object, under a layout code and a style index, for LayOutLedgerGrid to read
// back. A grid of one column or none stores nothing. Widths are 16-bit
// values: a wider column is an overflow error (a Failure) and nothing is stored.
void SaveColumnWidths(GlPublic &pub, const GridModel &grid, const QString &layoutCode, int styleIndex);

} // namespace qxmxz

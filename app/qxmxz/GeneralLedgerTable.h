#pragma once

#include "TableOutput.h"

namespace qxmxz {
class GridModel;
}

namespace qxmxz::cli {

// The general ledger held in its grid as a table to write out. The terminal
// table and CSV show the columns the book style leaves visible, headed by
// both heading rows; JSON gives all fourteen columns under the names the
// ledgers' working tables give the same figures (Yue, Ri, PzId, cDigest,
// Snd_s, Smd_f, Smd, Snc_s, Smc_f, Smc, Scendd_c, Sne_s, Sme_f, Smend).
TableSource generalLedgerTable(const GridModel &grid, bool allColumns);

// The working-table names of the general ledger's fourteen columns.
const QStringList &generalLedgerColumns();

} // namespace qxmxz::cli

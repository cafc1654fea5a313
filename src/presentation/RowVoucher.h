#pragma once

#include <QString>
#include <optional>

#include "platform/outside/VoucherViewer.h"

namespace qxmxz {

class GlPublic;
class GridModel;

// The voucher of the grid's current row, for the window of the given caption:
// the caption selects the function right and the column of the voucher
// reference (the detail ledger, multi-column ledger, cash and bank journals
// read column 3, the journal column 2); the period comes from the first two
// characters of column 0, the posted flag from the summary in column 6 (0
// when it begins with "*"). A reference "记-0012" gives type "记" and number
// 12: the last four characters when the fifth from the right is "-", else the
// last five. Nothing for the header row, a row whose column 0 is blank, or a
// caption of another window.
std::optional<VoucherRequest> rowVoucher(const GlPublic &pub, const GridModel &grid, const QString &caption,
                                         int year);

// Opens the voucher of the grid's current row: hands the viewer the
// general-ledger object and the login, then asks it to show the voucher in the
// component's fiscal year for system "GL" and country "CN". Does nothing
// (and answers false) where rowVoucher finds no voucher.
bool ShowRowVoucher(GlPublic &pub, const GridModel &grid, const QString &caption, VoucherViewer &viewer);

} // namespace qxmxz

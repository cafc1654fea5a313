#pragma once

#include <QtGlobal>

namespace qxmxz {

class DynasetRecordSet;
class GridModel;

// The alignment code of a ledger column of the detail grid (columns 1 to 21;
// grid column j shows field j of the working table): month, day and
// direction centred, the texts up to the counterpart left, figures right.
int ledgerCellAlignment(int column);

// Appends up to `count` rows of a working table of the mxfirst layout to the
// grid, reading from the record set's current row on: grid column j shows
// field j (a tab inside a value becomes a blank), a row of an unposted voucher
// (iBook 0) takes the unposted colour, and columns 1 to 21 take the ledger
// alignments. The batch reaches the views in one go: Redraw is off while it
// is added and on afterwards. Returns the number of rows appended; the record
// set stands after the last row read.
qint64 appendLedgerRows(GridModel &grid, DynasetRecordSet &rs, qint64 count);

} // namespace qxmxz

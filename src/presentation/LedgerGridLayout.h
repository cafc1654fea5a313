#pragma once

#include <QString>
#include <QStringList>

namespace qxmxz {

class GlPublic;
class GridModel;
class HeaderModel;

// The window's state the ledger layout depends on.
struct LedgerLayoutFlags {
    bool firstLayout = false;       // layout code "GL03051"; hides the account and counterpart columns
    bool secondLayout = false;      // the month-by-month ledger: layout code "GL03052"
    bool counterpartShown = false;  // the condition dialog's chkOpen
};

// "GL03051", "GL03052" or "GL03053".
QString ledgerLayoutCode(const LedgerLayoutFlags &flags);

// The 49 columns of the detail grid (grid column j shows field j of mxfirst):
// the resource key of each heading ("" for row data without heading).
const QStringList &ledgerColumnKeys();

// Lays out the detail grid and its header for a book style: 49 columns,
// saved or default widths, headings and bands, and the columns the style,
// the column option (rule A) and the counterpart check box (rule B) hide.
// An empty style text changes nothing. Throws a Failure when the summary
// width overflows.
void LayOutLedgerGrid(GlPublic &pub, GridModel &grid, HeaderModel &header, const QString &styleText,
                      qint16 &columnOption, int fixedColumns, const LedgerLayoutFlags &flags, bool defaults = false);

} // namespace qxmxz

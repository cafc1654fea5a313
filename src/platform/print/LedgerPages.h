#pragma once

#include <QPagedPaintDevice>

#include "SheetExport.h"

namespace qxmxz {

class LedgerSheet;
struct PrintTemplate;

// The print control's page painter: lays the sheet out on the device's pages
// (which the caller has given the template's page layout) and paints them in
// order — title and heading fields, the two-level column heading repeated on
// every page, the rows with their alignments and row colours, the footing
// fields and "page n of m". Columns wider than the page are scaled down to
// fit. Only one page is held at a time, so a preview or a PDF of any length
// needs the memory of one page. `firstPage`..`lastPage` (1-based, 0 = to the
// end) select the pages a preview asks for.
class LedgerPages {
public:
    LedgerPages(const LedgerSheet &sheet, const PrintTemplate &layout);

    // Pages at the device's resolution and page rectangle.
    int pageCount(QPagedPaintDevice &device) const;
    int paint(QPagedPaintDevice &device, const StopRequested &stop = {}, int firstPage = 1, int lastPage = 0) const;

private:
    struct Metrics;
    Metrics measure(QPagedPaintDevice &device) const;
    const LedgerSheet &m_sheet;
    const PrintTemplate &m_layout;
};

} // namespace qxmxz

#include "PrinterOutput.h"

#include <QPrinter>

#include "LedgerPages.h"
#include "LedgerSheet.h"
#include "PrintResultCodes.h"
#include "PrintTemplate.h"

namespace qxmxz {

int printSheet(const LedgerSheet &sheet, const PrintTemplate &layout, QPrinter &printer, const StopRequested &stop)
{
    if (sheet.columns.isEmpty() || sheet.shownRowCount() == 0)
        return print::NothingToPrint;
    if (!printer.isValid())
        return 1; // no printer installed
    if (!printer.setPageLayout(layout.pageLayout()))
        return print::PageLayoutInvalid;
    const bool range = printer.printRange() == QPrinter::PageRange;
    return LedgerPages(sheet, layout).paint(printer, stop, range ? printer.fromPage() : 1, range ? printer.toPage() : 0);
}

} // namespace qxmxz

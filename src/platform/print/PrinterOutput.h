#pragma once

#include "SheetExport.h"

class QPrinter;

namespace qxmxz {

class LedgerSheet;
struct PrintTemplate;

// Prints the sheet on a printer (or the printer a preview dialog paints on):
// the template's page layout is offered to the printer first, then the
// pages of the printer's page range are painted. Returns a print result code.
int printSheet(const LedgerSheet &sheet, const PrintTemplate &layout, QPrinter &printer, const StopRequested &stop = {});

} // namespace qxmxz

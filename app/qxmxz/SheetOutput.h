#pragma once

#include <QString>

#include "CliArguments.h"
#include "CommandRights.h"

namespace qxmxz {
class GlPublic;
class LedgerSheet;
struct PageHeading;
}

namespace qxmxz::cli {

// The formats of --format that go through the print control's writers.
enum class SheetFormat { None, Xlsx, Pdf };
SheetFormat sheetFormat(const CliArguments &args);

// A PDF is a print and needs the command's print right; an XLSX is an export
// and needs its export right. A refusal is shown and the answer is false.
bool maySheetOutput(GlPublic &pub, LedgerCommand command, SheetFormat format);

// The page-header fields of a detail or month-by-month ledger.
PageHeading detailPageHeading(const GlPublic &pub, const QString &account, const QString &periods,
                              const QString &unit, const QString &currency);
// The same for the general ledger.
PageHeading generalPageHeading(const GlPublic &pub, const QString &account, const QString &unit,
                               const QString &currency);

// Writes the sheet to --out (required): under a temporary name beside it,
// put in place only when the writer succeeds. A PDF uses the template of
// `printName` in the login's language. A failure shows the print result's
// message and throws.
void writeSheetOutput(GlPublic &pub, const CliArguments &args, SheetFormat format, const LedgerSheet &sheet,
                      const QString &printName);

} // namespace qxmxz::cli

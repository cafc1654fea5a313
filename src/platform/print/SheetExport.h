#pragma once

#include <QIODevice>
#include <QString>
#include <functional>

namespace qxmxz {

class LedgerSheet;
struct PrintTemplate;

// Each writer streams the sheet's shown rows to its output and returns a
// print result code (print::Done on success). `stop`, when given, is asked
// between rows; a stopped run returns print::StoppedByUser and the caller
// discards the partial output.
using StopRequested = std::function<bool()>;

// CSV in UTF-8 with a byte-order mark: the page heading's title, one line of
// band captions and one of column captions, then the rows; numbers without
// thousands separators.
int writeSheetCsv(const LedgerSheet &sheet, QIODevice &out, const StopRequested &stop = {});

// XLSX at `path`, written in constant memory: title and heading fields, the
// two heading rows with bands as merged cells and frozen, numbers and dates
// as such with the shown decimals, column widths from the grid.
int writeSheetXlsx(const LedgerSheet &sheet, const QString &path, const StopRequested &stop = {});

// PDF at `path` through the print control's page painter.
int writeSheetPdf(const LedgerSheet &sheet, const PrintTemplate &layout, const QString &path,
                  const StopRequested &stop = {});

} // namespace qxmxz

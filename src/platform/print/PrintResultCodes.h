#pragma once

namespace qxmxz::print {

// Result codes of the print control. Success and a run the user stopped show
// no message; the others read their text through ReportPrintResult.
inline constexpr int Done = 1000;
inline constexpr int NothingToPrint = 1001;
inline constexpr int StoppedByUser = 1002;
inline constexpr int TemplateNotFound = 13;
inline constexpr int TemplateDamaged = 14;
inline constexpr int PageLayoutInvalid = 7;
inline constexpr int TemporaryFileFailed = 39;
inline constexpr int PrintingFailed = 42;
inline constexpr int ExportNameInvalid = 43;
inline constexpr int ExportWriteFailed = 44;
inline constexpr int ExportFormatUnknown = 45;

} // namespace qxmxz::print

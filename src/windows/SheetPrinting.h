#pragma once

#include <QString>

class QWidget;

namespace qxmxz {

class GlPublic;
class LedgerSheet;

// What the ledger windows do with a sheet once the right is granted: show
// it in the print preview, send it to a printer the user picks, or write it
// to a file whose extension names the format (xlsx, csv, pdf). Results go
// to ReportPrintResult; the code is returned.
int previewSheet(QWidget *parent, GlPublic &pub, const LedgerSheet &sheet, const QString &printName);
int printSheetToPrinter(QWidget *parent, GlPublic &pub, const LedgerSheet &sheet, const QString &printName);
int exportSheet(GlPublic &pub, const LedgerSheet &sheet, const QString &path, const QString &printName);
// The page setup of a print name ("设置"): paper, orientation and margins,
// kept for the user and used by every later print, preview and PDF of it.
int rSetUp(QWidget *parent, GlPublic &pub, const QString &printName);
// Asks for the file to export to; empty when the user cancels.
QString askExportFile(QWidget *parent, const GlPublic &pub);

} // namespace qxmxz

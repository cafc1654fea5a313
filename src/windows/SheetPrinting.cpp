#include "SheetPrinting.h"

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "platform/outside/GlPublic.h"
#include "platform/outside/Login.h"
#include "platform/print/PrintSetup.h"
#include "platform/print/LedgerSheet.h"
#include "platform/print/PrintResultCodes.h"
#include "platform/print/PrintTemplate.h"
#include "platform/print/PrinterOutput.h"
#include "platform/print/SheetExport.h"
#include "services/PrintResult.h"

namespace qxmxz {

namespace {

constexpr int PrintKind = 1;
constexpr int PreviewKind = 2;
constexpr int ExportKind = 3;

QString userOf(const GlPublic &pub)
{
    return pub.login() ? pub.login()->userId() : QString();
}

// The template of the print name with the page setup the user chose for it.
int userLayout(GlPublic &pub, const QString &printName, PrintTemplate &layout)
{
    const int loaded = loadPrintTemplate(printName, pub.language(), layout);
    if (loaded == print::Done)
        applyPrintSetup(printName, userOf(pub), layout);
    return loaded;
}

int loadLayout(GlPublic &pub, const QString &printName, PrintTemplate &layout, int kind)
{
    const int loaded = userLayout(pub, printName, layout);
    if (loaded != print::Done)
        ReportPrintResult(pub, loaded, kind);
    return loaded;
}

} // namespace

int previewSheet(QWidget *parent, GlPublic &pub, const LedgerSheet &sheet, const QString &printName)
{
    PrintTemplate layout;
    if (const int loaded = loadLayout(pub, printName, layout, PreviewKind); loaded != print::Done)
        return loaded;
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog preview(&printer, parent);
    int result = print::Done;
    // Pages are painted when the preview asks for them.
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&](QPrinter *target) { result = printSheet(sheet, layout, *target); });
    preview.exec();
    ReportPrintResult(pub, result, PreviewKind);
    return result;
}

int printSheetToPrinter(QWidget *parent, GlPublic &pub, const LedgerSheet &sheet, const QString &printName)
{
    PrintTemplate layout;
    if (const int loaded = loadLayout(pub, printName, layout, PrintKind); loaded != print::Done)
        return loaded;
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted)
        return print::StoppedByUser;
    const int result = printSheet(sheet, layout, printer);
    ReportPrintResult(pub, result, PrintKind);
    return result;
}

int exportSheet(GlPublic &pub, const LedgerSheet &sheet, const QString &path, const QString &printName)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    int result = print::ExportFormatUnknown;
    if (suffix == u"xlsx") {
        result = writeSheetXlsx(sheet, path);
    } else if (suffix == u"csv") {
        QFile file(path);
        result = file.open(QIODevice::WriteOnly) ? writeSheetCsv(sheet, file) : print::ExportWriteFailed;
    } else if (suffix == u"pdf") {
        PrintTemplate layout;
        result = userLayout(pub, printName, layout);
        if (result == print::Done)
            result = writeSheetPdf(sheet, layout, path);
    }
    ReportPrintResult(pub, result, ExportKind);
    return result;
}

int rSetUp(QWidget *parent, GlPublic &pub, const QString &printName)
{
    PrintTemplate layout;
    if (const int loaded = loadLayout(pub, printName, layout, PrintKind); loaded != print::Done)
        return loaded;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(layout.pageLayout());
    QPageSetupDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted)
        return print::StoppedByUser;
    const QPageLayout chosen = printer.pageLayout();
    layout.pageSize = chosen.pageSize();
    layout.orientation = chosen.orientation();
    layout.marginsMm = chosen.margins(QPageLayout::Millimeter);
    savePrintSetup(printName, userOf(pub), layout);
    return print::Done;
}

QString askExportFile(QWidget *parent, const GlPublic &pub)
{
    return QFileDialog::getSaveFileName(parent, pub.text(QStringLiteral("QXMXZ.window.tool4")), QString(),
                                        QStringLiteral("Excel (*.xlsx);;CSV (*.csv);;PDF (*.pdf)"));
}

} // namespace qxmxz

// The detail-ledger window's print, preview and export: what the grid shows,
// under its two-level header, through the print control's writers.
#include "mxz.h"

#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "platform/outside/GlPublic.h"
#include "platform/print/LedgerExportClasses.h"
#include "platform/print/LedgerPageHeadings.h"
#include "platform/print/PrintResultCodes.h"
#include "platform/print/PrintTemplate.h"
#include "platform/print/PrinterOutput.h"
#include "platform/print/SheetExport.h"
#include "services/CheckRight.h"
#include "services/PrintResult.h"

namespace qxmxz {

namespace {

constexpr quint8 PreviewMode = 0;
constexpr quint8 PrintMode = 1;
constexpr quint8 ExportMode = 2;

} // namespace

bool mxz::mayPrint(quint8 mode)
{
    QString right = mode == ExportMode ? (m_request.monthByMonth ? QStringLiteral("GL03050105") : QStringLiteral("GL03050103"))
                                       : (m_request.monthByMonth ? QStringLiteral("GL03050104") : QStringLiteral("GL03050102"));
    return CheckRight(m_pub, right, true);
}

LedgerSheet mxz::printedSheet() const
{
    LedgerSheet sheet = ledgerGridSheet(m_grid, m_header, 1, 21, ledgerExportClasses());
    sheet.heading = detailPageHeading(m_pub, cboKm->currentText(), lblmonth2->text(), lblSl->text(), lblWb->text());
    return sheet;
}

QString mxz::printName() const
{
    return QStringLiteral("GLMxz") + BookStyles::code(m_style);
}

void mxz::PrintThisPage(quint8 mode)
{
    if (!m_ready || !mayPrint(mode))
        return;
    if (m_grid.Rows() == 0) {
        showHint(m_pub.text(QStringLiteral("QXMXZ.window.nothingtoprint")));
        return;
    }
    if (mode == ExportMode) {
        const QString path = QFileDialog::getSaveFileName(this, m_pub.text(QStringLiteral("QXMXZ.window.tool4")), QString(),
                                                          QStringLiteral("Excel (*.xlsx);;CSV (*.csv);;PDF (*.pdf)"));
        if (!path.isEmpty())
            exportTo(path);
        return;
    }
    PrintTemplate layout;
    const int loaded = loadPrintTemplate(printName(), m_pub.language(), layout);
    if (loaded != print::Done) {
        ReportPrintResult(m_pub, loaded, 1);
        return;
    }
    const LedgerSheet sheet = printedSheet();
    QPrinter printer(QPrinter::HighResolution);
    if (mode == PreviewMode) {
        QPrintPreviewDialog preview(&printer, this);
        connect(&preview, &QPrintPreviewDialog::paintRequested, this,
                [&](QPrinter *target) { ReportPrintResult(m_pub, printSheet(sheet, layout, *target), 1); });
        preview.exec();
    } else if (mode == PrintMode) {
        QPrintDialog dialog(&printer, this);
        if (dialog.exec() == QDialog::Accepted)
            ReportPrintResult(m_pub, printSheet(sheet, layout, printer), 1);
    }
}

// The file takes its format from its extension; nothing is written without
// the export right.
int mxz::exportTo(const QString &path)
{
    if (!m_ready || !mayPrint(ExportMode))
        return print::NothingToPrint;
    const QString suffix = QFileInfo(path).suffix().toLower();
    const LedgerSheet sheet = printedSheet();
    int result = print::ExportFormatUnknown;
    if (suffix == u"xlsx") {
        result = writeSheetXlsx(sheet, path);
    } else if (suffix == u"csv") {
        QFile file(path);
        result = file.open(QIODevice::WriteOnly) ? writeSheetCsv(sheet, file) : print::ExportWriteFailed;
    } else if (suffix == u"pdf") {
        PrintTemplate layout;
        result = loadPrintTemplate(printName(), m_pub.language(), layout);
        if (result == print::Done)
            result = writeSheetPdf(sheet, layout, path);
    }
    ReportPrintResult(m_pub, result, 3);
    return result;
}

} // namespace qxmxz

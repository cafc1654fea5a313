// The detail-ledger window's print, preview and export: what the grid shows,
// under its two-level header, through the print control's writers.
#include "mxz.h"

#include <QComboBox>
#include <QLabel>

#include "platform/outside/GlPublic.h"
#include "platform/print/LedgerExportClasses.h"
#include "platform/print/LedgerPageHeadings.h"
#include "platform/print/PageHeadingTables.h"
#include "platform/print/PrintResultCodes.h"
#include "platform/sql/LocalDatabase.h"
#include "SheetPrinting.h"
#include "services/CheckRight.h"

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

// The page heading goes through the two page-header tables of the local
// working database, and the pages carry it as the tables hold it.
LedgerSheet mxz::printedSheet()
{
    LocalDatabase &local = m_pub.localDatabase();
    m_printTables = {m_pub.workingTableName(QStringLiteral("mxzprn")), m_pub.workingTableName(QStringLiteral("mxzprn"))};
    writePageHeadingTables(local, m_printTables[0], m_printTables[1],
                           detailPageHeading(m_pub, cboKm->currentText(), lblmonth2->text(), lblSl->text(), lblWb->text()));
    LedgerSheet sheet = ledgerGridSheet(m_grid, m_header, 1, 21, ledgerExportClasses());
    sheet.heading = readPageHeadingTables(local, m_printTables[0], m_printTables[1]);
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
        if (const QString path = askExportFile(this, m_pub); !path.isEmpty())
            exportTo(path);
    } else if (mode == PreviewMode) {
        previewSheet(this, m_pub, printedSheet(), printName());
    } else if (mode == PrintMode) {
        printSheetToPrinter(this, m_pub, printedSheet(), printName());
    }
}

// Nothing is written without the export right.
int mxz::exportTo(const QString &path)
{
    if (!m_ready || !mayPrint(ExportMode))
        return print::NothingToPrint;
    return exportSheet(m_pub, printedSheet(), path, printName());
}

} // namespace qxmxz

// The general-ledger window's print, preview and output: the ledger rows and
// the heading lines go into two print tables of the local working database,
// and the pages are printed with the heading as those tables hold it.
#include "zzmain.h"

#include <QComboBox>
#include <QLabel>

#include "SheetPrinting.h"
#include "general_ledger/basGrwl.h"
#include "platform/outside/GlPublic.h"
#include "platform/print/LedgerExportClasses.h"
#include "platform/print/LedgerPageHeadings.h"
#include "platform/print/PageHeadingTables.h"
#include "platform/print/PrintResultCodes.h"
#include "platform/sql/LocalDatabase.h"
#include "services/CheckRight.h"

namespace qxmxz {

namespace {

const QList<int> BodyWidths{50, 180, 50, 50, 50, 50};
const QList<int> HeadWidths{50, 50, 50, 50};

// The grid column printed in each field t1..t6 of the body table: the
// period, its summary and the amounts with the balance's direction.
const QList<int> BodyColumns{basGrwl::Month,        basGrwl::Summary,   basGrwl::DebitAmount,
                             basGrwl::CreditAmount, basGrwl::Direction, basGrwl::BalanceAmount};

QList<QStringList> bodyRows(const GridModel &grid)
{
    QList<QStringList> rows;
    for (int row = basGrwl::HeadingRows; row < grid.Rows(); ++row) {
        if (grid.RowHeight(row) == 0)
            continue;
        QStringList fields;
        for (const int column : BodyColumns)
            fields << grid.TextMatrix(row, column);
        rows << fields;
    }
    return rows;
}

// Two rows of four heading lines: title, account, account set and the shown
// unit and currency; then the signature and date lines under the pages.
QList<QStringList> headRows(const PageHeading &heading)
{
    QStringList measures;
    for (const int field : {5, 6})
        if (const QString text = heading.field(false, field); !text.isEmpty())
            measures << text;
    return {{heading.field(false, 1), heading.field(false, 2), heading.field(false, 3), measures.join(u' ')},
            {heading.field(true, 1), heading.field(true, 2), heading.field(true, 3), heading.field(true, 4)}};
}

PageHeading headingOfHeadRows(const QList<QStringList> &rows)
{
    const QStringList top = rows.value(0), bottom = rows.value(1);
    PageHeading heading;
    heading.heading = {top.value(0), top.value(1), top.value(2), QString(), top.value(3), QString()};
    heading.footing = bottom;
    return heading;
}

} // namespace

bool zzmain::mayPrint(int kind)
{
    QString right = kind == 2 ? QStringLiteral("GL030103") : QStringLiteral("GL030102");
    return CheckRight(m_pub, right, true);
}

QString zzmain::printName() const
{
    return (BookStyles::showsQuantity(m_style) ? QStringLiteral("GLSl") : QStringLiteral("GLZz")) + BookStyles::code(m_style);
}

LedgerSheet zzmain::printedSheet()
{
    LocalDatabase &local = m_pub.localDatabase();
    m_printTables = {m_pub.workingTableName(QStringLiteral("ZZprn")), m_pub.workingTableName(QStringLiteral("ZZprn"))};
    const PageHeading heading = generalPageHeading(m_pub, cboKm->currentText(), BookStyles::showsQuantity(m_style) ? lblSldw->text() : QString(),
                                                   BookStyles::showsForeignCurrency(m_style) ? lblWbname->text() : QString());
    writeTextTable(local, m_printTables[0], BodyWidths, bodyRows(m_grid));
    writeTextTable(local, m_printTables[1], HeadWidths, headRows(heading));
    LedgerSheet sheet = headedGridSheet(m_grid, generalLedgerExportClasses());
    sheet.heading = headingOfHeadRows(readTextTable(local, m_printTables[1], int(HeadWidths.size())));
    return sheet;
}

void zzmain::PrintProcess(int kind)
{
    if (!mayPrint(kind))
        return;
    if (kind == 2) {
        if (const QString path = askExportFile(this, m_pub); !path.isEmpty())
            exportTo(path);
        return;
    }
    const LedgerSheet sheet = printedSheet();
    if (kind == 1)
        previewSheet(this, m_pub, sheet, printName());
    else
        printSheetToPrinter(this, m_pub, sheet, printName());
}

int zzmain::exportTo(const QString &path)
{
    if (!mayPrint(2))
        return print::NothingToPrint;
    return exportSheet(m_pub, printedSheet(), path, printName());
}

} // namespace qxmxz

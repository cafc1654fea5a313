// What the writers make of a ledger grid: the XLSX and CSV cells and the PDF
// pages agree with the grid's shown rows and columns.

#include <QBuffer>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "PrintTestSupport.h"
#include "platform/print/LedgerSheet.h"
#include "platform/print/PrintResultCodes.h"
#include "platform/print/PrintTemplate.h"
#include "platform/print/PrinterOutput.h"
#include "platform/print/SheetExport.h"
#include <QPrinter>
#include "platform/ui/GridAlignment.h"
#include "platform/ui/GridColor.h"
#include "platform/ui/GridModel.h"
#include "platform/ui/HeaderModel.h"

using namespace qxmxz;

namespace {

const auto *guiEnvironment = ::testing::AddGlobalTestEnvironment(new test::GuiApplicationEnvironment);

// Grid columns: 0 hidden row data, 1 month, 2 date, 3 summary, 4 debit, 5 credit,
// 6 hidden, 7 quantity. Bands: "借贷" over 4..5. Row 2 (the second ledger row) is hidden.
struct SmallLedger {
    GridModel grid;
    HeaderModel header;
    SmallLedger(int rows = 3)
    {
        grid.setCols(8);
        grid.setRows(1);
        grid.setFixedRows(1);
        header.setColumnCount(8);
        const QStringList captions{"", "月", "日期", "摘要", "借方", "贷方", "x", "数量"};
        for (int j = 0; j < 8; ++j) {
            header.setCaption(j, captions[j]);
            grid.setColWidth(j, j == 0 || j == 6 ? 0 : 1200);
        }
        header.setHidden(6, true);
        header.setBand(HeaderBand{9, 4, 5, QStringLiteral("借贷")});
        for (int j : {4, 5, 7})
            grid.setColAlignment(j, GridAlignment::rightCentre);
        for (int r = 0; r < rows; ++r) {
            const int n = r + 1;
            grid.AddItem(QStringLiteral("2026\t%1\t2026-03-%2\t收到货款 %1\t%3\t\tsecret\t%4")
                             .arg(n)
                             .arg(n % 28 + 1, 2, 10, QLatin1Char('0'))
                             .arg(n == 1 ? QStringLiteral("1,234,567.89") : QStringLiteral("-12.50"))
                             .arg(QStringLiteral("3.125")));
        }
        if (rows > 1)
            grid.setRowHeight(2, 0);
        grid.setRowBackColor(1, rgbValue(238, 238, 214));
    }
    LedgerSheet sheet()
    {
        QList<ExportClass> classes(8, ExportClass::Text);
        classes[4] = classes[5] = ExportClass::Money;
        classes[7] = ExportClass::Measure;
        LedgerSheet s = ledgerGridSheet(grid, header, 0, 7, classes);
        s.heading.heading = {QStringLiteral("明细账"), QStringLiteral("科目(1002 银行存款)"), QStringLiteral("2026.03")};
        s.heading.footing = {QStringLiteral("会计主管:")};
        return s;
    }
};

QString sheetXml(const QString &xlsx)
{
    return QString::fromUtf8(test::toolOutput(QStringLiteral("unzip"), {QStringLiteral("-p"), xlsx, QStringLiteral("xl/worksheets/sheet1.xml")}));
}

// The cell's XML element at a reference such as "D4".
QString cellXml(const QString &xml, const QString &ref)
{
    const QRegularExpression cell(QStringLiteral("<c r=\"%1\"[^>]*(/>|>.*?</c>)").arg(ref));
    return cell.match(xml).captured(0);
}

} // namespace

TEST(LedgerSheet, TakesTheShownColumnsInOrderUnderTheirBandsAndSkipsHiddenRows)
{
    SmallLedger ledger;
    const LedgerSheet sheet = ledger.sheet();
    ASSERT_EQ(sheet.columns.size(), 6);
    QList<int> gridColumns;
    for (const SheetColumn &c : sheet.columns)
        gridColumns << c.gridColumn;
    EXPECT_EQ(gridColumns, (QList<int>{1, 2, 3, 4, 5, 7}));
    ASSERT_EQ(sheet.bands.size(), 1);
    EXPECT_EQ(sheet.bands[0].caption, QStringLiteral("借贷"));
    EXPECT_EQ(sheet.bands[0].firstColumn, 3);
    EXPECT_EQ(sheet.bands[0].lastColumn, 4);
    EXPECT_EQ(sheet.columns[5].band, -1);
    EXPECT_EQ(sheet.shownRowCount(), 2);
}

TEST(SheetXlsx, NumbersDatesAndTextsAreCellsOfTheirKindUnderMergedFrozenBands)
{
    SmallLedger ledger;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ledger.xlsx"));
    ASSERT_EQ(writeSheetXlsx(ledger.sheet(), path), print::Done);
    const QString xml = sheetXml(path);
    ASSERT_FALSE(xml.isEmpty());
    // Row 1 title, row 2 heading fields, rows 3-4 the two heading rows, data from row 5.
    EXPECT_TRUE(xml.contains(QStringLiteral("<mergeCell ref=\"A1:F1\"/>"))) << xml.toStdString();
    EXPECT_TRUE(xml.contains(QStringLiteral("<mergeCell ref=\"D3:E3\"/>")));
    EXPECT_TRUE(xml.contains(QStringLiteral("<mergeCell ref=\"A3:A4\"/>")));
    EXPECT_TRUE(xml.contains(QStringLiteral("<mergeCell ref=\"F3:F4\"/>")));
    EXPECT_FALSE(xml.contains(QStringLiteral("<mergeCell ref=\"D3:D4\"/>")));
    EXPECT_TRUE(xml.contains(QStringLiteral("ySplit=\"4\"")));

    // The amount is a number, not the shown text; the date a serial day; the summary a text.
    EXPECT_TRUE(cellXml(xml, QStringLiteral("D5")).contains(QStringLiteral("<v>1234567.89</v>"))) << cellXml(xml, "D5").toStdString();
    EXPECT_FALSE(cellXml(xml, QStringLiteral("D5")).contains(QStringLiteral("inlineStr")));
    EXPECT_TRUE(cellXml(xml, QStringLiteral("B5")).contains(QStringLiteral("<v>46083</v>"))) << cellXml(xml, "B5").toStdString();
    EXPECT_TRUE(cellXml(xml, QStringLiteral("C5")).contains(QStringLiteral("收到货款 1")));
    EXPECT_TRUE(cellXml(xml, QStringLiteral("F5")).contains(QStringLiteral("<v>3.125</v>")));
    // The month of a text column stays a text; the empty credit is no cell at all.
    EXPECT_TRUE(cellXml(xml, QStringLiteral("A5")).contains(QStringLiteral("inlineStr")));
    EXPECT_TRUE(cellXml(xml, QStringLiteral("E5")).isEmpty());
    // The hidden row is left out: the next sheet row is the third ledger row.
    EXPECT_TRUE(cellXml(xml, QStringLiteral("C6")).contains(QStringLiteral("收到货款 3")));
    EXPECT_TRUE(cellXml(xml, QStringLiteral("D6")).contains(QStringLiteral("<v>-12.5</v>")));
    EXPECT_TRUE(cellXml(xml, QStringLiteral("C7")).isEmpty());
    EXPECT_FALSE(xml.contains(QStringLiteral("secret")));

    // The number formats carry the shown decimals.
    const QString styles = QString::fromUtf8(test::toolOutput(QStringLiteral("unzip"), {QStringLiteral("-p"), path, QStringLiteral("xl/styles.xml")}));
    EXPECT_TRUE(styles.contains(QStringLiteral("formatCode=\"#,##0.00\"")));
    EXPECT_TRUE(styles.contains(QStringLiteral("formatCode=\"0.000\"")));
    EXPECT_TRUE(styles.contains(QStringLiteral("formatCode=\"yyyy-mm-dd\"")));
}

TEST(SheetCsv, HasTheBomBothHeadingRowsAndPlainNumbersOfTheShownRows)
{
    SmallLedger ledger;
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    ASSERT_EQ(writeSheetCsv(ledger.sheet(), buffer), print::Done);
    const QByteArray bytes = buffer.data();
    ASSERT_TRUE(bytes.startsWith("\xEF\xBB\xBF"));
    const QStringList lines = QString::fromUtf8(bytes.mid(3)).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[0], QStringLiteral("月,日期,摘要,借贷,借贷,数量"));
    EXPECT_EQ(lines[1], QStringLiteral("月,日期,摘要,借方,贷方,数量"));
    EXPECT_EQ(lines[2], QStringLiteral("1,2026-03-02,收到货款 1,1234567.89,,3.125"));
    EXPECT_EQ(lines[3], QStringLiteral("3,2026-03-04,收到货款 3,-12.50,,3.125"));
}

TEST(SheetPdf, PagesRepeatTheHeadingAndNumberThemselves)
{
    SmallLedger ledger(150);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ledger.pdf"));
    PrintTemplate layout;
    ASSERT_EQ(loadPrintTemplate(QStringLiteral("GLMxzJe"), QStringLiteral("zh-CN"), layout), print::Done);
    ASSERT_EQ(writeSheetPdf(ledger.sheet(), layout, path), print::Done);
    const QString info = QString::fromUtf8(test::toolOutput(QStringLiteral("pdfinfo"), {path}));
    const QRegularExpression pagesLine(QStringLiteral("Pages:\\s+(\\d+)"));
    const int pages = pagesLine.match(info).captured(1).toInt();
    // 149 shown rows on landscape A4 at 8 points: more than one page, fewer than one per ten rows.
    ASSERT_GE(pages, 2);
    ASSERT_LE(pages, 15);
    for (int page = 1; page <= pages; ++page) {
        const QString text = QString::fromUtf8(test::toolOutput(
            QStringLiteral("pdftotext"), {QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"), QString::number(page),
                                          QStringLiteral("-layout"), path, QStringLiteral("-")}));
        SCOPED_TRACE(page);
        // Text taken back out of the PDF may read a few ideographs as their radical
        // look-alikes (页 as U+2EDA), so the page word is matched loosely.
        EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("第\\s*%1\\s*\\S\\s*共\\s*%2\\s*\\S").arg(page).arg(pages)))) << text.right(80).toStdString();
        EXPECT_TRUE(text.contains(QStringLiteral("借贷")));
        EXPECT_TRUE(text.contains(QStringLiteral("摘要")));
        EXPECT_TRUE(text.contains(QStringLiteral("2026.03")));
        EXPECT_FALSE(text.contains(QStringLiteral("收到货款 2\n")));
        EXPECT_FALSE(text.contains(QStringLiteral("secret")));
    }
    const QString all = QString::fromUtf8(test::toolOutput(QStringLiteral("pdftotext"), {path, QStringLiteral("-")}));
    EXPECT_TRUE(all.contains(QStringLiteral("1,234,567.89")));
    EXPECT_TRUE(all.contains(QStringLiteral("收到货款 150")));
    EXPECT_FALSE(all.contains(QStringLiteral("收到货款 2\n")));
}

TEST(SheetWriters, NothingToPrintAndUnwritableTargetsAreResultCodes)
{
    GridModel grid;
    HeaderModel header;
    const LedgerSheet empty = ledgerGridSheet(grid, header, 0, 21, {});
    QTemporaryDir dir;
    EXPECT_EQ(writeSheetPdf(empty, PrintTemplate{}, dir.filePath(QStringLiteral("e.pdf"))), print::NothingToPrint);
    SmallLedger ledger;
    EXPECT_EQ(writeSheetXlsx(ledger.sheet(), dir.filePath(QStringLiteral("no/such/folder/l.xlsx"))), print::ExportWriteFailed);
    EXPECT_EQ(writeSheetPdf(ledger.sheet(), PrintTemplate{}, dir.filePath(QStringLiteral("no/such/folder/l.pdf"))),
              print::ExportWriteFailed);
    int asked = 0;
    EXPECT_EQ(writeSheetPdf(ledger.sheet(), PrintTemplate{}, dir.filePath(QStringLiteral("s.pdf")), [&] { return ++asked > 1; }),
              print::StoppedByUser);
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("s.pdf"))));
}

TEST(SheetPrinter, PrintsThePrintersPageRangeOnTheTemplatesPaper)
{
    SmallLedger ledger(150);
    QTemporaryDir dir;
    PrintTemplate layout;
    ASSERT_EQ(loadPrintTemplate(QStringLiteral("GLZzJe"), QStringLiteral("en-US"), layout), print::Done);
    const QString whole = dir.filePath(QStringLiteral("whole.pdf"));
    ASSERT_EQ(writeSheetPdf(ledger.sheet(), layout, whole), print::Done);
    const QRegularExpression pagesLine(QStringLiteral("Pages:\\s+(\\d+)"));
    const int pages = pagesLine.match(QString::fromUtf8(test::toolOutput(QStringLiteral("pdfinfo"), {whole}))).captured(1).toInt();
    ASSERT_GE(pages, 3);

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QString part = dir.filePath(QStringLiteral("part.pdf"));
    printer.setOutputFileName(part);
    printer.setPrintRange(QPrinter::PageRange);
    printer.setFromTo(2, 3);
    ASSERT_EQ(printSheet(ledger.sheet(), layout, printer), print::Done);
    const QString info = QString::fromUtf8(test::toolOutput(QStringLiteral("pdfinfo"), {part}));
    EXPECT_EQ(pagesLine.match(info).captured(1).toInt(), 2);
    // The general ledger's amount template is portrait A4.
    EXPECT_TRUE(info.contains(QStringLiteral("595.2 x 841.68")) || info.contains(QStringLiteral("595 x 842"))) << info.toStdString();
    // The printed pages hold the rows of pages 2 and 3 of the whole ledger.
    auto summaries = [](const QString &pdf, int first, int last) {
        const QString text = QString::fromUtf8(test::toolOutput(
            QStringLiteral("pdftotext"), {QStringLiteral("-f"), QString::number(first), QStringLiteral("-l"), QString::number(last), pdf,
                                          QStringLiteral("-")}));
        QStringList found;
        for (const auto &m : QRegularExpression(QStringLiteral("收到货款 \\d+")).globalMatch(text))
            found << m.captured(0);
        return found;
    };
    const QStringList printed = summaries(part, 1, 2);
    EXPECT_FALSE(printed.isEmpty());
    EXPECT_EQ(printed, summaries(whole, 2, 3));
    EXPECT_FALSE(printed.contains(QStringLiteral("收到货款 1")));

    GridModel emptyGrid;
    HeaderModel emptyHeader;
    EXPECT_EQ(printSheet(ledgerGridSheet(emptyGrid, emptyHeader, 0, 21, {}), layout, printer), print::NothingToPrint);
}

TEST(SheetXlsx, ALedgerLongerThanAWorksheetGoesOnInTheNextUnderTheSameCaptions)
{
    // One caption row leaves room for 1,048,575 ledger rows on a worksheet.
    constexpr int rowsPerWorksheet = 1048575;
    constexpr int ledgerRows = rowsPerWorksheet + 30;
    GridModel grid;
    HeaderModel header;
    grid.setCols(2);
    header.setColumnCount(2);
    header.setCaption(0, QStringLiteral("行"));
    header.setCaption(1, QStringLiteral("金额"));
    grid.setColWidth(0, 1200);
    grid.setColWidth(1, 1200);
    for (int r = 1; r <= ledgerRows; ++r)
        grid.AddItem(QStringLiteral("r%1\t1.00").arg(r));
    QList<ExportClass> classes{ExportClass::Text, ExportClass::Money};
    const LedgerSheet sheet = ledgerGridSheet(grid, header, 0, 1, classes);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("long.xlsx"));
    ASSERT_EQ(writeSheetXlsx(sheet, path), print::Done);

    const QString book = QString::fromUtf8(test::toolOutput(QStringLiteral("unzip"), {QStringLiteral("-p"), path, QStringLiteral("xl/workbook.xml")}));
    EXPECT_EQ(book.count(QStringLiteral("<sheet ")), 2);
    const QString second = QString::fromUtf8(
        test::toolOutput(QStringLiteral("unzip"), {QStringLiteral("-p"), path, QStringLiteral("xl/worksheets/sheet2.xml")}));
    EXPECT_TRUE(cellXml(second, QStringLiteral("A1")).contains(QStringLiteral("行")));
    EXPECT_TRUE(cellXml(second, QStringLiteral("A2")).contains(QStringLiteral(">r%1<").arg(rowsPerWorksheet + 1)));
    EXPECT_TRUE(cellXml(second, QStringLiteral("A31")).contains(QStringLiteral(">r%1<").arg(ledgerRows)));
    EXPECT_TRUE(cellXml(second, QStringLiteral("A32")).isEmpty());
    // The first worksheet ends with the row before.
    const QByteArray first = test::toolOutput(QStringLiteral("unzip"), {QStringLiteral("-p"), path, QStringLiteral("xl/worksheets/sheet1.xml")});
    EXPECT_TRUE(first.contains(QStringLiteral(">r%1<").arg(rowsPerWorksheet).toUtf8()));
    EXPECT_FALSE(first.contains(QStringLiteral(">r%1<").arg(rowsPerWorksheet + 1).toUtf8()));
}

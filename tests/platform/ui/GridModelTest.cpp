#include <gtest/gtest.h>

#include "platform/Failure.h"
#include "platform/ui/GridModel.h"

namespace qxmxz {
namespace {

constexpr int unpostedColor = 14085870; // RGB(238, 238, 214) in the grid's numbering

QStringList rowTexts(const GridModel &grid, int row)
{
    QStringList cells;
    for (int column = 0; column < grid.Cols(); ++column)
        cells << grid.TextMatrix(row, column);
    return cells;
}

// A detail-ledger row as the month fill hands it over: date, voucher, account, summary, one
// amount, direction, balance, thirteen short row-data texts and the posted flag last.
QString ledgerRow(int line)
{
    const QString summaries[] = {QStringLiteral("收到货款"), QStringLiteral("支付办公费用"), QStringLiteral("结转本月销售成本")};
    QStringList cells = QStringLiteral("26|%1|%2|记-%3|100201|工商银行|%4")
                            .arg(line / 31 % 12 + 1, 2, 10, QLatin1Char('0')).arg(line % 28 + 1, 2, 10, QLatin1Char('0'))
                            .arg(line % 10000, 4, 10, QLatin1Char('0')).arg(summaries[line % 3]).split(u'|');
    cells.resize(49);
    cells[line % 2 ? 12 : 15] = QStringLiteral("%L1").arg(1000.0 + (line % 997) * 13.37, 0, 'f', 2);
    cells[16] = line % 3 ? QStringLiteral("借") : QStringLiteral("贷");
    cells[21] = QStringLiteral("%L1").arg(250000.0 + line * 1.25, 0, 'f', 2);
    for (int i = 0; i < 13; ++i)
        cells[22 + i] = QStringLiteral("D%1").arg(line % (40 + 97 * i), 3, 10, QLatin1Char('0'));
    cells[48] = line % 11 ? QStringLiteral("1") : QStringLiteral("0");
    return cells.join(u'\t');
}

TEST(GridModelShape, addItemSplitsAtTabsAndInsertsBeforeTheRowItNamesTakingRowHeightsAlong)
{
    GridModel grid;
    grid.setCols(4);
    grid.AddItem(QStringLiteral("26\t03\t\t记-0007"));
    grid.AddItem(QStringLiteral("a\tb\tc\td\te\tf")); // more pieces than columns
    grid.setRowHeight(1, 0);                         // the find dialog hides rows this way
    grid.AddItem(QString(), 1);
    grid.AddItem(QStringLiteral("first"), 0);
    // A host binding by name reaches the same operations.
    EXPECT_TRUE(QMetaObject::invokeMethod(&grid, "AddItem", Q_ARG(QString, QStringLiteral("last")), Q_ARG(int, 4)));

    ASSERT_EQ(grid.property("Rows").toInt(), 5);
    EXPECT_EQ(rowTexts(grid, 0), (QStringList{"first", "", "", ""}));
    EXPECT_EQ(rowTexts(grid, 1), (QStringList{"26", "03", "", "记-0007"}));
    EXPECT_EQ(rowTexts(grid, 2), (QStringList{"", "", "", ""}));
    EXPECT_EQ(rowTexts(grid, 3), (QStringList{"a", "b", "c", "d"}));
    EXPECT_EQ(rowTexts(grid, 4), (QStringList{"last", "", "", ""}));
    EXPECT_EQ(grid.headerData(3, Qt::Vertical, GridModel::RowHeightRole).toInt(), 0);
    EXPECT_EQ(grid.RowHeight(1), GridModel::defaultRowHeight);
    EXPECT_THROW(grid.AddItem(QStringLiteral("x"), 6), Failure);
    EXPECT_THROW(grid.AddItem(QStringLiteral("x"), -2), Failure);
}

// A row given cell by cell takes its cells as they are: a tab is text there,
// not a separator; missing cells stay empty and cells beyond Cols are dropped.
TEST(GridModelShape, addRowTakesItsCellsAsTheyAreAfterTheLastRow)
{
    GridModel grid;
    grid.setCols(3);
    grid.AddItem(QStringLiteral("first"));
    int announced = 0;
    QObject::connect(&grid, &QAbstractItemModel::rowsInserted, [&](const QModelIndex &, int from, int to) {
        EXPECT_EQ(from, to);
        announced = to;
    });
    const QString tabbed = QStringLiteral("付款\t现金");
    const QStringView three[] = {u"26", tabbed, u"记-0007"};
    grid.addRow(three, 3);
    const QStringView one[] = {u"only"};
    grid.addRow(one, 1);
    const QStringView four[] = {u"a", u"b", u"c", u"d"};
    grid.addRow(four, 4);

    ASSERT_EQ(grid.Rows(), 4);
    EXPECT_EQ(announced, 3);
    EXPECT_EQ(rowTexts(grid, 0), (QStringList{"first", "", ""}));
    EXPECT_EQ(rowTexts(grid, 1), (QStringList{"26", "付款\t现金", "记-0007"}));
    EXPECT_EQ(rowTexts(grid, 2), (QStringList{"only", "", ""}));
    EXPECT_EQ(rowTexts(grid, 3), (QStringList{"a", "b", "c"}));
}

TEST(GridModelShape, shrinkingForgetsCellsAndClearForgetsTextsAndFormattingButNotTheLayout)
{
    GridModel grid;
    grid.setCols(4);
    for (int i = 0; i < 5; ++i)
        grid.AddItem(QStringLiteral("r%1\tb\tc\td").arg(i));
    grid.setCellBackColor(1, 3, unpostedColor);
    grid.setColWidth(3, 1400);
    EXPECT_EQ(grid.headerData(3, Qt::Horizontal, GridModel::ColumnWidthRole).toInt(), 1400);
    grid.setFixedCols(3);
    grid.setLeftCol(3);
    grid.setRows(2);
    grid.setCols(2);
    EXPECT_EQ(grid.FixedCols(), 2);
    EXPECT_EQ(grid.LeftCol(), 1);
    grid.setRows(4);
    grid.setCols(4);
    EXPECT_EQ(rowTexts(grid, 1), (QStringList{"r1", "b", "", ""}));
    EXPECT_EQ(rowTexts(grid, 2), (QStringList{"", "", "", ""}));
    EXPECT_EQ(grid.CellBackColor(1, 3), noColor);
    EXPECT_EQ(grid.ColWidth(3), GridModel::defaultColumnWidth);

    grid.setRowBackColor(1, unpostedColor);
    grid.setCellAlignment(0, 2, GridAlignment::rightCentre);
    grid.setColAlignment(1, GridAlignment::centreCentre);
    grid.setColWidth(0, 340);
    grid.setRowHeight(1, 0);
    grid.Clear();
    EXPECT_EQ(rowTexts(grid, 0), (QStringList{"", "", "", ""}));
    EXPECT_EQ(grid.CellBackColor(1, 0), noColor);
    EXPECT_EQ(grid.CellAlignment(0, 2), GridAlignment::leftCentre);
    EXPECT_EQ(grid.ColAlignment(1), GridAlignment::centreCentre);
    EXPECT_EQ(grid.ColWidth(0), 340);
    EXPECT_EQ(grid.RowHeight(1), 0);

    grid.setRows(0);
    grid.setFixedRows(1);
    EXPECT_EQ(grid.Rows(), 1); // fixed rows make rows of their own
}

TEST(GridModelText, cellsKeepAnyTextThroughManyRewritesAndTheStoreStaysBounded)
{
    // Rewriting rows leaves old records behind; the store reclaims them
    // without losing or mixing up a row, whatever the texts hold.
    const QString texts[] = {QStringLiteral("收到北京华联商厦货款（发票 No.0012）"), QStringLiteral("Café à la carte ÿ"),
                             QString(300, QChar(u'长')) + QStringLiteral("end"), QString()};
    GridModel grid;
    grid.setCols(10);
    const int rows = 2000;
    for (int row = 0; row < rows; ++row)
        grid.AddItem(QStringLiteral("%1\t摘要%1").arg(row));
    const qsizetype before = grid.byteSize();
    for (int round = 0; round < 20; ++round)
        for (int row = 0; row < rows; ++row) {
            grid.setTextMatrix(row, 8, texts[(row + round) % 4]);
            grid.setTextMatrix(row, 9, QStringLiteral("第%1轮第%2行的一段较长的文字，占些地方").arg(round).arg(row));
        }
    for (int row = 0; row < rows; row += 97) {
        EXPECT_EQ(rowTexts(grid, row).mid(0, 2), (QStringList{QString::number(row), QStringLiteral("摘要%1").arg(row)}));
        EXPECT_EQ(grid.TextMatrix(row, 8), texts[(row + 19) % 4]);
        EXPECT_EQ(grid.data(grid.index(row, 9)).toString(), QStringLiteral("第19轮第%1行的一段较长的文字，占些地方").arg(row));
    }
    // Twenty rounds without reclaiming would hold about 20 x 2000 x 400 bytes of dead records.
    EXPECT_LT(grid.byteSize(), before + 4 * 1024 * 1024);
}

TEST(GridModelMemory, aMillionLedgerRowsStayCompact)
{
    constexpr int rows = 1000000;
    // Building the texts costs more than storing them; a pool of distinct
    // rows keeps the test quick. The grid cannot tell: it stores every row.
    constexpr int distinctRows = 4099;
    QStringList pool;
    for (int line = 0; line < distinctRows; ++line)
        pool << ledgerRow(line);
    GridModel grid;
    grid.setCols(49);
    grid.setRedraw(false);
    for (int line = 0; line < rows; ++line) {
        grid.AddItem(pool[line % distinctRows]);
        if (line % 11 == 0)
            grid.setRowBackColor(line, unpostedColor);
        if (line % 1000 == 0)
            grid.setCellAlignment(line, 6, GridAlignment::centreCentre); // a few rows of their own
    }
    grid.setRedraw(true);

    ASSERT_EQ(grid.rowCount(), rows);
    for (int line : {0, 1, 4321, 500000, rows - 1}) {
        EXPECT_EQ(rowTexts(grid, line), pool[line % distinctRows].split(u'\t')) << "row " << line;
        EXPECT_EQ(grid.CellBackColor(line, 3), line % 11 == 0 ? unpostedColor : noColor);
        EXPECT_EQ(grid.CellAlignment(line, 6), line % 1000 == 0 ? GridAlignment::centreCentre : GridAlignment::leftCentre);
    }

    EXPECT_LT(double(grid.byteSize()) / rows, 500.0) << "bytes per row";
}

TEST(GridModelCells, cellValuesWinOverRowColourAndColumnAlignmentAndReachTheModel)
{
    GridModel grid;
    grid.setCols(22);
    grid.setRows(3);
    grid.setRow(1);
    grid.setCol(16);
    grid.setCellAlignment(GridAlignment::centreCentre); // the current cell only
    grid.setCellBackColor(unpostedColor);
    EXPECT_EQ(grid.CellAlignment(0, 16), GridAlignment::leftCentre);
    EXPECT_EQ(grid.index(1, 16).data(Qt::TextAlignmentRole).toInt(), (Qt::AlignHCenter | Qt::AlignVCenter).toInt());
    EXPECT_EQ(grid.index(1, 16).data(GridModel::BackgroundRgbRole).toInt(), unpostedColor);
    EXPECT_FALSE(grid.index(1, 15).data(GridModel::BackgroundRgbRole).isValid());

    grid.setRowBackColor(2, unpostedColor);
    grid.setCellBackColor(2, 2, rgbValue(205, 208, 215));
    EXPECT_EQ(grid.CellBackColor(2, 3), unpostedColor);
    grid.setRowBackColor(2, noColor);
    EXPECT_EQ(grid.CellBackColor(2, 2), noColor);
    grid.setCellAlignment(0, 1, GridAlignment::rightCentre);
    grid.setColAlignment(1, GridAlignment::centreCentre);
    EXPECT_EQ(grid.CellAlignment(0, 1), GridAlignment::rightCentre);
    EXPECT_EQ(grid.CellAlignment(2, 1), GridAlignment::centreCentre);

    EXPECT_THROW(grid.setRow(3), Failure);
    EXPECT_THROW(grid.setCellAlignment(9), Failure);
    EXPECT_THROW(grid.setCellBackColor(0x1000000), Failure);
}

TEST(GridModelCells, copiedAlignmentsReadAsTheSourceRowsAndFollowTheirColumns)
{
    GridModel grid;
    grid.setCols(5);
    grid.setRows(3);
    grid.setCellAlignment(0, 1, GridAlignment::centreCentre);
    grid.setCellAlignment(0, 2, GridAlignment::leftCentre); // its column's own: follows the column
    grid.setCellAlignment(0, 4, GridAlignment::rightCentre);
    grid.setCellAlignment(2, 3, GridAlignment::rightCentre);
    int changes = 0;
    QObject::connect(&grid, &QAbstractItemModel::dataChanged, [&] { ++changes; });
    grid.copyCellAlignments(0, 2);
    EXPECT_EQ(changes, 1);
    grid.setColAlignment(2, GridAlignment::centreCentre);
    for (int column = 0; column < 5; ++column)
        EXPECT_EQ(grid.CellAlignment(2, column), grid.CellAlignment(0, column)) << column;
    EXPECT_EQ(grid.CellAlignment(2, 2), GridAlignment::centreCentre);
    EXPECT_EQ(grid.CellAlignment(2, 3), GridAlignment::leftCentre);
    EXPECT_EQ(grid.index(2, 4).data(Qt::TextAlignmentRole).toInt(), (Qt::AlignRight | Qt::AlignVCenter).toInt());
    EXPECT_THROW(grid.copyCellAlignments(0, 3), Failure);
}

} // namespace
} // namespace qxmxz

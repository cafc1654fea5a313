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

TEST(GridModelShape, addItemSplitsAtTabsAndInsertsBeforeTheRowItNames)
{
    GridModel grid;
    grid.setCols(4);
    grid.AddItem(QStringLiteral("26\t03\t\t记-0007"));
    grid.AddItem(QStringLiteral("a\tb\tc\td\te\tf")); // more pieces than columns
    grid.AddItem(QString(), 1);
    grid.AddItem(QStringLiteral("first"), 0);
    grid.AddItem(QStringLiteral("last\t\t\t"), grid.Rows());

    ASSERT_EQ(grid.Rows(), 5);
    EXPECT_EQ(grid.rowCount(), 5);
    EXPECT_EQ(rowTexts(grid, 0), (QStringList{"first", "", "", ""}));
    EXPECT_EQ(rowTexts(grid, 1), (QStringList{"26", "03", "", "记-0007"}));
    EXPECT_EQ(rowTexts(grid, 2), (QStringList{"", "", "", ""}));
    EXPECT_EQ(rowTexts(grid, 3), (QStringList{"a", "b", "c", "d"}));
    EXPECT_EQ(rowTexts(grid, 4), (QStringList{"last", "", "", ""}));
    EXPECT_THROW(grid.AddItem(QStringLiteral("x"), 6), Failure);
    EXPECT_THROW(grid.AddItem(QStringLiteral("x"), -2), Failure);
}

TEST(GridModelShape, shrinkingForgetsCellsSoGrowingBringsNothingBack)
{
    GridModel grid;
    grid.setCols(4);
    for (int i = 0; i < 5; ++i)
        grid.AddItem(QStringLiteral("r%1\tb\tc\td").arg(i));
    grid.setCellBackColor(1, 3, unpostedColor);
    grid.setCellAlignment(1, 3, GridAlignment::rightCentre);
    grid.setColWidth(3, 1400);
    grid.setFixedRows(2);
    grid.setFixedCols(3);
    grid.setLeftCol(3);

    grid.setRows(2);
    grid.setCols(2);
    EXPECT_THROW(grid.TextMatrix(2, 0), Failure);
    EXPECT_THROW(grid.TextMatrix(0, 2), Failure);
    EXPECT_EQ(grid.FixedCols(), 2);
    EXPECT_EQ(grid.LeftCol(), 1);

    grid.setRows(4);
    grid.setCols(4);
    EXPECT_EQ(rowTexts(grid, 1), (QStringList{"r1", "b", "", ""}));
    EXPECT_EQ(rowTexts(grid, 2), (QStringList{"", "", "", ""}));
    EXPECT_EQ(grid.CellBackColor(1, 3), noColor);
    EXPECT_EQ(grid.CellAlignment(1, 3), GridAlignment::leftCentre);
    EXPECT_EQ(grid.ColWidth(3), GridModel::defaultColumnWidth);

    grid.setRows(0);
    EXPECT_EQ(grid.rowCount(), 0);
    grid.setFixedRows(1);
    EXPECT_EQ(grid.Rows(), 1); // fixed rows make rows of their own
    EXPECT_THROW(grid.setRows(-1), Failure);
    EXPECT_THROW(grid.setCols(-1), Failure);
}

TEST(GridModelText, cellsKeepAnyTextThroughManyRewritesAndTheStoreStaysBounded)
{
    // Rewriting rows leaves old records behind; the store reclaims them
    // without losing or mixing up a row, whatever the texts hold.
    const QString texts[] = {QStringLiteral("收到北京华联商厦货款（发票 No.0012）"), QStringLiteral("Café à la carte ÿ"),
                             QStringLiteral("€ 1,234.50"), QString(300, QChar(u'长')) + QStringLiteral("end"),
                             QString(260, QChar(u'x')), QString()};
    GridModel grid;
    grid.setCols(10);
    const int rows = 2000;
    for (int row = 0; row < rows; ++row)
        grid.AddItem(QStringLiteral("%1\t摘要%1\t%2").arg(row).arg(row * 3));
    const qsizetype before = grid.byteSize();
    for (int round = 0; round < 20; ++round)
        for (int row = 0; row < rows; ++row) {
            grid.setTextMatrix(row, 8, texts[(row + round) % 6]);
            grid.setTextMatrix(row, 9, QStringLiteral("第%1轮第%2行的一段较长的文字，占些地方").arg(round).arg(row));
        }
    for (int row = 0; row < rows; row += 97) {
        EXPECT_EQ(rowTexts(grid, row).mid(0, 3), (QStringList{QString::number(row), QStringLiteral("摘要%1").arg(row),
                                                              QString::number(row * 3)}));
        EXPECT_EQ(grid.TextMatrix(row, 8), texts[(row + 19) % 6]);
        EXPECT_EQ(grid.data(grid.index(row, 9)).toString(), QStringLiteral("第19轮第%1行的一段较长的文字，占些地方").arg(row));
    }
    // Twenty rounds without reclaiming would hold about 20 x 2000 x 400 bytes of dead records.
    EXPECT_LT(grid.byteSize(), before + 4 * 1024 * 1024);
}

TEST(GridModelText, clearEmptiesCellsAndTheirFormattingButKeepsTheLayout)
{
    GridModel grid;
    grid.setCols(3);
    grid.AddItem(QStringLiteral("a\tb\tc"));
    grid.AddItem(QStringLiteral("d\te\tf"));
    grid.setRowBackColor(1, unpostedColor);
    grid.setCellAlignment(0, 2, GridAlignment::rightCentre);
    grid.setColAlignment(1, GridAlignment::centreCentre);
    grid.setColWidth(0, 340);
    grid.setRowHeight(1, 0);

    grid.Clear();
    EXPECT_EQ(rowTexts(grid, 0), (QStringList{"", "", ""}));
    EXPECT_EQ(rowTexts(grid, 1), (QStringList{"", "", ""}));
    EXPECT_EQ(grid.CellBackColor(1, 0), noColor);
    EXPECT_EQ(grid.CellAlignment(0, 2), GridAlignment::leftCentre);
    EXPECT_EQ(grid.ColAlignment(1), GridAlignment::centreCentre);
    EXPECT_EQ(grid.ColWidth(0), 340);
    EXPECT_EQ(grid.RowHeight(1), 0);
    grid.setTextMatrix(1, 1, QStringLiteral("新"));
    EXPECT_EQ(grid.TextMatrix(1, 1), QStringLiteral("新"));
}

TEST(GridModelCells, theCurrentCellCarriesAlignmentAndColourIntoTheModel)
{
    EXPECT_EQ(rgbValue(238, 238, 214), unpostedColor);
    GridModel grid;
    grid.setCols(22);
    grid.setRows(2);
    grid.setRow(1);
    grid.setCol(16);
    grid.setCellAlignment(GridAlignment::centreCentre);
    grid.setCellBackColor(unpostedColor);
    EXPECT_EQ(grid.CellAlignment(), GridAlignment::centreCentre);
    EXPECT_EQ(grid.CellBackColor(), unpostedColor);
    // Only that cell changed.
    for (const auto &[row, column] : {std::pair{0, 16}, std::pair{1, 15}}) {
        EXPECT_EQ(grid.CellAlignment(row, column), GridAlignment::leftCentre);
        EXPECT_EQ(grid.CellBackColor(row, column), noColor);
    }
    EXPECT_EQ(grid.index(1, 16).data(Qt::TextAlignmentRole).toInt(), (Qt::AlignHCenter | Qt::AlignVCenter).toInt());
    EXPECT_EQ(grid.index(1, 16).data(GridModel::BackgroundRgbRole).toInt(), unpostedColor);
    EXPECT_FALSE(grid.index(1, 15).data(GridModel::BackgroundRgbRole).isValid());

    EXPECT_THROW(grid.setRow(2), Failure);
    EXPECT_THROW(grid.setCol(22), Failure);
    EXPECT_THROW(grid.setCellAlignment(9), Failure);
    EXPECT_THROW(grid.setCellBackColor(0x1000000), Failure);
    EXPECT_EQ(grid.Row(), 1);
    EXPECT_EQ(grid.Col(), 16);
}

TEST(GridModelCells, cellsKeepTheirOwnValuesOverRowColourAndColumnAlignment)
{
    GridModel grid;
    grid.setCols(4);
    grid.setRows(3);
    grid.setRowBackColor(1, unpostedColor);
    grid.setCellBackColor(1, 2, rgbValue(205, 208, 215));
    EXPECT_EQ(grid.CellBackColor(1, 2), rgbValue(205, 208, 215));
    EXPECT_EQ(grid.CellBackColor(1, 3), unpostedColor);
    EXPECT_EQ(grid.CellBackColor(0, 3), noColor);
    grid.setRowBackColor(1, noColor);
    EXPECT_EQ(grid.CellBackColor(1, 2), noColor);

    grid.setCellAlignment(0, 1, GridAlignment::rightCentre);
    grid.setColAlignment(1, GridAlignment::centreCentre);
    EXPECT_EQ(grid.CellAlignment(0, 1), GridAlignment::rightCentre);
    EXPECT_EQ(grid.CellAlignment(2, 1), GridAlignment::centreCentre);
    EXPECT_EQ(grid.CellAlignment(2, 0), GridAlignment::leftCentre);
    EXPECT_THROW(grid.setColAlignment(4, 1), Failure);
}

TEST(GridModelCells, widthsAndHeightsInTwipsWithZeroHidingAndRowsTakingTheirHeightsAlong)
{
    GridModel grid;
    grid.setCols(49);
    grid.setRows(4);
    grid.setColWidth(0, 0);
    grid.setColWidth(3, 1400);
    EXPECT_EQ(grid.headerData(3, Qt::Horizontal, GridModel::ColumnWidthRole).toInt(), 1400);
    grid.setColWidth(3, -1);
    EXPECT_EQ(grid.ColWidth(3), GridModel::defaultColumnWidth);
    EXPECT_EQ(grid.ColWidth(0), 0);
    grid.setRowHeight(2, 0); // the find dialog hides rows this way
    grid.AddItem(QStringLiteral("inserted"), 1);
    EXPECT_EQ(grid.headerData(3, Qt::Vertical, GridModel::RowHeightRole).toInt(), 0);
    EXPECT_EQ(grid.RowHeight(2), GridModel::defaultRowHeight);
    grid.setRowHeight(3, -1);
    EXPECT_EQ(grid.RowHeight(3), GridModel::defaultRowHeight);
    EXPECT_THROW(grid.setRowHeight(0, -2), Failure);
    EXPECT_THROW(grid.setColWidth(0, -5), Failure);

    // A host binding by name reaches the same operations.
    EXPECT_TRUE(grid.setProperty("Row", 4));
    EXPECT_TRUE(QMetaObject::invokeMethod(&grid, "setColWidth", Q_ARG(int, 5), Q_ARG(int, 700)));
    EXPECT_TRUE(QMetaObject::invokeMethod(&grid, "AddItem", Q_ARG(QString, QStringLiteral("x\ty"))));
    EXPECT_EQ(grid.property("Rows").toInt(), 6);
    EXPECT_EQ(grid.TextMatrix(5, 1), QStringLiteral("y"));
    EXPECT_EQ(grid.ColWidth(5), 700);
}

} // namespace
} // namespace qxmxz

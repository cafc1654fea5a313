#include <gtest/gtest.h>

#include "platform/Failure.h"
#include "platform/ui/GridModel.h"

namespace qxmxz {
namespace {

constexpr int unpostedColor = 14085870;

QStringList rowTexts(const GridModel &grid, int row)
{
    QStringList cells;
    for (int column = 0; column < grid.Cols(); ++column)
        cells << grid.TextMatrix(row, column);
    return cells;
}

TEST(GridColor, componentNumberingIsRedPlusGreenTimes256PlusBlueTimes65536)
{
    EXPECT_EQ(rgbValue(238, 238, 214), unpostedColor);
    EXPECT_EQ(rgbValue(255, 255, 255), 0xFFFFFF);
    EXPECT_EQ(rgbValue(205, 208, 215), 205 + 208 * 256 + 215 * 65536);
    EXPECT_EQ(redOf(rgbValue(247, 237, 236)), 247);
    EXPECT_EQ(greenOf(rgbValue(247, 237, 236)), 237);
    EXPECT_EQ(blueOf(rgbValue(247, 237, 236)), 236);
}

TEST(GridAlignment, codesMapToQtAlignments)
{
    EXPECT_EQ(toQtAlignment(GridAlignment::leftCentre), Qt::AlignLeft | Qt::AlignVCenter);
    EXPECT_EQ(toQtAlignment(GridAlignment::centreCentre), Qt::AlignHCenter | Qt::AlignVCenter);
    EXPECT_EQ(toQtAlignment(GridAlignment::rightCentre), Qt::AlignRight | Qt::AlignVCenter);
    EXPECT_EQ(toQtAlignment(0), Qt::AlignLeft | Qt::AlignTop);
    EXPECT_EQ(toQtAlignment(8), Qt::AlignRight | Qt::AlignBottom);
    EXPECT_EQ(toQtAlignment(42), Qt::AlignLeft | Qt::AlignVCenter);
}

TEST(GridModelShape, freshGridIsEmptyAndTakesItsShapeFromRowsAndCols)
{
    GridModel grid;
    EXPECT_EQ(grid.Rows(), 0);
    EXPECT_EQ(grid.Cols(), 0);
    EXPECT_EQ(grid.FixedRows(), 0);
    EXPECT_EQ(grid.FixedCols(), 0);
    EXPECT_TRUE(grid.Redraw());

    grid.setCols(49);
    grid.setRows(3);
    EXPECT_EQ(grid.Rows(), 3);
    EXPECT_EQ(grid.Cols(), 49);
    EXPECT_EQ(grid.rowCount(), 3);
    EXPECT_EQ(grid.columnCount(), 49);
    EXPECT_EQ(grid.TextMatrix(2, 48), QString());
}

TEST(GridModelShape, addItemSplitsAtTabsAndLeavesMissingCellsEmpty)
{
    GridModel grid;
    grid.setCols(5);
    grid.AddItem(QStringLiteral("26\t03\t\t记-0007"));
    grid.AddItem(QString());
    grid.AddItem(QStringLiteral("a\tb\tc\td\te\tf\tg")); // more pieces than columns
    grid.AddItem(QStringLiteral("\t\t\t\t"));

    ASSERT_EQ(grid.Rows(), 4);
    EXPECT_EQ(rowTexts(grid, 0), (QStringList{"26", "03", "", "记-0007", ""}));
    EXPECT_EQ(rowTexts(grid, 1), (QStringList{"", "", "", "", ""}));
    EXPECT_EQ(rowTexts(grid, 2), (QStringList{"a", "b", "c", "d", "e"}));
    EXPECT_EQ(rowTexts(grid, 3), (QStringList{"", "", "", "", ""}));
}

TEST(GridModelShape, addItemAtAnIndexInsertsBeforeThatRow)
{
    GridModel grid;
    grid.setCols(2);
    grid.AddItem(QStringLiteral("first\t1"));
    grid.AddItem(QStringLiteral("third\t3"));
    grid.AddItem(QStringLiteral("second\t2"), 1);
    grid.AddItem(QStringLiteral("zeroth\t0"), 0);
    grid.AddItem(QStringLiteral("last\t4"), grid.Rows());

    QStringList firstColumn;
    for (int row = 0; row < grid.Rows(); ++row)
        firstColumn << grid.TextMatrix(row, 0);
    EXPECT_EQ(firstColumn, (QStringList{"zeroth", "first", "second", "third", "last"}));
    EXPECT_EQ(grid.TextMatrix(2, 1), QStringLiteral("2"));
    EXPECT_THROW(grid.AddItem(QStringLiteral("x"), 7), Failure);
    EXPECT_THROW(grid.AddItem(QStringLiteral("x"), -2), Failure);
}

TEST(GridModelShape, rowsTruncateAndExtend)
{
    GridModel grid;
    grid.setCols(2);
    for (int i = 0; i < 5; ++i)
        grid.AddItem(QStringLiteral("r%1\tx").arg(i));
    grid.setRows(2);
    EXPECT_EQ(grid.Rows(), 2);
    EXPECT_EQ(grid.TextMatrix(1, 0), QStringLiteral("r1"));
    EXPECT_THROW(grid.TextMatrix(2, 0), Failure);

    grid.setRows(4);
    EXPECT_EQ(grid.TextMatrix(1, 0), QStringLiteral("r1"));
    EXPECT_EQ(grid.TextMatrix(2, 0), QString()); // new rows are empty, not the old ones back
    EXPECT_EQ(grid.TextMatrix(3, 1), QString());

    grid.setRows(0);
    EXPECT_EQ(grid.Rows(), 0);
    EXPECT_EQ(grid.rowCount(), 0);
    grid.AddItem(QStringLiteral("again\ty"));
    EXPECT_EQ(rowTexts(grid, 0), (QStringList{"again", "y"}));
    EXPECT_THROW(grid.setRows(-1), Failure);
}

TEST(GridModelShape, fewerColumnsDropTheirCellsAndFormattingForGood)
{
    GridModel grid;
    grid.setCols(4);
    grid.AddItem(QStringLiteral("a\tb\tc\td"));
    grid.setCellBackColor(0, 3, unpostedColor);
    grid.setCellAlignment(0, 3, GridAlignment::rightCentre);
    grid.setColWidth(3, 1400);

    grid.setCols(2);
    EXPECT_EQ(rowTexts(grid, 0), (QStringList{"a", "b"}));
    EXPECT_THROW(grid.TextMatrix(0, 2), Failure);

    grid.setCols(4);
    EXPECT_EQ(rowTexts(grid, 0), (QStringList{"a", "b", "", ""}));
    EXPECT_EQ(grid.CellBackColor(0, 3), noColor);
    EXPECT_EQ(grid.CellAlignment(0, 3), GridAlignment::leftCentre);
    EXPECT_EQ(grid.ColWidth(3), GridModel::defaultColumnWidth);
    EXPECT_THROW(grid.setCols(-1), Failure);
}

TEST(GridModelShape, fixedRowsAndColumnsStayWithinTheGrid)
{
    GridModel grid;
    grid.setFixedRows(2);
    grid.setFixedCols(4);
    EXPECT_EQ(grid.Rows(), 2);
    EXPECT_EQ(grid.Cols(), 4);
    EXPECT_EQ(grid.FixedRows(), 2);
    EXPECT_EQ(grid.FixedCols(), 4);

    grid.setRows(1);
    grid.setCols(3);
    EXPECT_EQ(grid.FixedRows(), 1);
    EXPECT_EQ(grid.FixedCols(), 3);
}

TEST(GridModelText, textMatrixRoundTripsChineseLatinAndLongTexts)
{
    GridModel grid;
    grid.setCols(49);
    grid.setRows(2);
    const QString summary = QStringLiteral("收到北京华联商厦货款（发票 No.0012）");
    const QString accented = QStringLiteral("Café à la carte ÿ"); // Latin-1 only
    const QString euro = QStringLiteral("€ 1,234.50");           // just outside Latin-1
    const QString longText = QString(300, QChar(u'长')) + QStringLiteral("end");
    const QString longLatin = QString(200, QChar(u'x'));

    grid.setTextMatrix(1, 6, summary);
    grid.setTextMatrix(1, 16, QStringLiteral("借"));
    grid.setTextMatrix(1, 21, QStringLiteral("1,234,567.89"));
    grid.setTextMatrix(1, 0, accented);
    grid.setTextMatrix(1, 48, euro);
    grid.setTextMatrix(0, 30, longText);
    grid.setTextMatrix(0, 31, longLatin);

    EXPECT_EQ(grid.TextMatrix(1, 6), summary);
    EXPECT_EQ(grid.TextMatrix(1, 16), QStringLiteral("借"));
    EXPECT_EQ(grid.TextMatrix(1, 21), QStringLiteral("1,234,567.89"));
    EXPECT_EQ(grid.TextMatrix(1, 0), accented);
    EXPECT_EQ(grid.TextMatrix(1, 48), euro);
    EXPECT_EQ(grid.TextMatrix(0, 30), longText);
    EXPECT_EQ(grid.TextMatrix(0, 31), longLatin);
    EXPECT_EQ(grid.TextMatrix(1, 7), QString());

    // Overwriting and emptying cells of rows written earlier.
    grid.setTextMatrix(1, 6, QStringLiteral("短"));
    grid.setTextMatrix(0, 30, QString());
    EXPECT_EQ(grid.TextMatrix(1, 6), QStringLiteral("短"));
    EXPECT_EQ(grid.TextMatrix(0, 30), QString());
    EXPECT_EQ(grid.TextMatrix(0, 31), longLatin);
    EXPECT_EQ(grid.TextMatrix(1, 48), euro);

    EXPECT_EQ(grid.data(grid.index(1, 6)).toString(), QStringLiteral("短"));
}

TEST(GridModelText, manyRewritesKeepEveryRowIntactAndTheStoreBounded)
{
    // Rewriting rows leaves old records behind; the store reclaims them
    // without losing or mixing up a row.
    GridModel grid;
    grid.setCols(10);
    const int rows = 2000;
    for (int row = 0; row < rows; ++row)
        grid.AddItem(QStringLiteral("%1\t摘要%1\t%2").arg(row).arg(row * 3));
    const qsizetype before = grid.byteSize();
    for (int round = 0; round < 20; ++round)
        for (int row = 0; row < rows; ++row)
            grid.setTextMatrix(row, 9, QStringLiteral("第%1轮第%2行的一段较长的文字，占些地方").arg(round).arg(row));
    for (int row = 0; row < rows; row += 97) {
        EXPECT_EQ(grid.TextMatrix(row, 0), QString::number(row));
        EXPECT_EQ(grid.TextMatrix(row, 1), QStringLiteral("摘要%1").arg(row));
        EXPECT_EQ(grid.TextMatrix(row, 2), QString::number(row * 3));
        EXPECT_EQ(grid.TextMatrix(row, 9), QStringLiteral("第19轮第%1行的一段较长的文字，占些地方").arg(row));
    }
    // Twenty rounds of rewrites without reclaiming would hold about 20 x 2000
    // x 60 bytes of dead records.
    EXPECT_LT(grid.byteSize(), before + 4 * 1024 * 1024);
}

TEST(GridModelText, clearEmptiesCellsAndFormattingButKeepsTheShape)
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
    EXPECT_EQ(grid.Rows(), 2);
    EXPECT_EQ(grid.Cols(), 3);
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

TEST(GridModelCells, currentCellCarriesAlignmentAndColour)
{
    GridModel grid;
    grid.setCols(22);
    grid.AddItem(QStringLiteral("26\t03\t15\t记-0001"));
    grid.AddItem(QStringLiteral("26\t03\t16\t记-0002"));

    grid.setRow(1);
    grid.setCol(16);
    EXPECT_EQ(grid.CellAlignment(), GridAlignment::leftCentre);
    EXPECT_EQ(grid.CellBackColor(), noColor);
    grid.setCellAlignment(GridAlignment::centreCentre);
    grid.setCellBackColor(unpostedColor);
    EXPECT_EQ(grid.CellAlignment(), GridAlignment::centreCentre);
    EXPECT_EQ(grid.CellBackColor(), unpostedColor);

    // Only that cell changed.
    EXPECT_EQ(grid.CellAlignment(0, 16), GridAlignment::leftCentre);
    EXPECT_EQ(grid.CellAlignment(1, 15), GridAlignment::leftCentre);
    EXPECT_EQ(grid.CellBackColor(1, 15), noColor);
    EXPECT_EQ(grid.CellBackColor(0, 16), noColor);

    // The model shows what the cells hold.
    const QModelIndex cell = grid.index(1, 16);
    EXPECT_EQ(cell.data(Qt::TextAlignmentRole).toInt(), (Qt::AlignHCenter | Qt::AlignVCenter).toInt());
    EXPECT_EQ(cell.data(GridModel::BackgroundRgbRole).toInt(), unpostedColor);
    EXPECT_FALSE(grid.index(1, 15).data(GridModel::BackgroundRgbRole).isValid());

    grid.setCellBackColor(noColor);
    EXPECT_EQ(grid.CellBackColor(), noColor);

    EXPECT_THROW(grid.setRow(2), Failure);
    EXPECT_THROW(grid.setCol(22), Failure);
    EXPECT_THROW(grid.setCellAlignment(9), Failure);
    EXPECT_THROW(grid.setCellBackColor(0x1000000), Failure);
    EXPECT_EQ(grid.Row(), 1);
    EXPECT_EQ(grid.Col(), 16);
}

TEST(GridModelCells, rowsFilledLikeTheLedgerPageStepReadBack)
{
    // A grid row as the page step writes it: an empty row, every cell by
    // TextMatrix, the unposted colour on every cell, then the alignments of
    // columns 1 to 21 through the current cell.
    GridModel grid;
    grid.setCols(49);
    grid.setRedraw(false);
    for (int line = 0; line < 3; ++line) {
        const bool unposted = line == 1;
        grid.AddItem(QString());
        const int row = grid.Rows() - 1;
        for (int column = 0; column < grid.Cols(); ++column)
            grid.setTextMatrix(row, column, column == 6 ? QStringLiteral("*收款 %1").arg(line) : QString());
        if (unposted)
            for (int column = 0; column < grid.Cols(); ++column) {
                grid.setRow(row);
                grid.setCol(column);
                grid.setCellBackColor(unpostedColor);
            }
        for (int column = 1; column <= 21; ++column) {
            grid.setRow(row);
            grid.setCol(column);
            if (column == 1 || column == 2 || column == 16)
                grid.setCellAlignment(GridAlignment::centreCentre);
            else if (column >= 3 && column <= 7)
                grid.setCellAlignment(GridAlignment::leftCentre);
            else
                grid.setCellAlignment(GridAlignment::rightCentre);
        }
    }
    grid.setRedraw(true);

    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(grid.TextMatrix(row, 6), QStringLiteral("*收款 %1").arg(row));
        EXPECT_EQ(grid.CellAlignment(row, 1), GridAlignment::centreCentre);
        EXPECT_EQ(grid.CellAlignment(row, 5), GridAlignment::leftCentre);
        EXPECT_EQ(grid.CellAlignment(row, 12), GridAlignment::rightCentre);
        EXPECT_EQ(grid.CellAlignment(row, 16), GridAlignment::centreCentre);
        EXPECT_EQ(grid.CellAlignment(row, 21), GridAlignment::rightCentre);
        EXPECT_EQ(grid.CellAlignment(row, 22), GridAlignment::leftCentre);
        for (int column : {0, 6, 48})
            EXPECT_EQ(grid.CellBackColor(row, column), row == 1 ? unpostedColor : noColor);
    }
}

TEST(GridModelCells, rowColourAndColumnAlignment)
{
    GridModel grid;
    grid.setCols(4);
    grid.setRows(3);
    grid.setRowBackColor(1, unpostedColor);
    for (int column = 0; column < 4; ++column) {
        EXPECT_EQ(grid.CellBackColor(1, column), unpostedColor);
        EXPECT_EQ(grid.CellBackColor(0, column), noColor);
    }
    grid.setCellBackColor(1, 2, rgbValue(205, 208, 215));
    EXPECT_EQ(grid.CellBackColor(1, 2), rgbValue(205, 208, 215));
    EXPECT_EQ(grid.CellBackColor(1, 3), unpostedColor);
    grid.setRowBackColor(1, noColor);
    EXPECT_EQ(grid.CellBackColor(1, 2), noColor);

    // A cell keeps its own alignment; cells without one follow the column.
    grid.setCellAlignment(0, 1, GridAlignment::rightCentre);
    grid.setColAlignment(1, GridAlignment::centreCentre);
    EXPECT_EQ(grid.ColAlignment(1), GridAlignment::centreCentre);
    EXPECT_EQ(grid.CellAlignment(0, 1), GridAlignment::rightCentre);
    EXPECT_EQ(grid.CellAlignment(2, 1), GridAlignment::centreCentre);
    EXPECT_EQ(grid.CellAlignment(2, 0), GridAlignment::leftCentre);
    EXPECT_THROW(grid.setColAlignment(4, 1), Failure);
    EXPECT_THROW(grid.setColAlignment(0, -1), Failure);
}

TEST(GridModelCells, widthsAndHeightsInTwipsWithZeroHiding)
{
    GridModel grid;
    grid.setCols(49);
    grid.setRows(4);
    EXPECT_EQ(grid.ColWidth(3), GridModel::defaultColumnWidth);
    grid.setColWidth(3, 1400);
    grid.setColWidth(0, 0);
    EXPECT_EQ(grid.ColWidth(3), 1400);
    EXPECT_EQ(grid.ColWidth(0), 0);
    EXPECT_EQ(grid.headerData(3, Qt::Horizontal, GridModel::ColumnWidthRole).toInt(), 1400);
    grid.setColWidth(3, -1);
    EXPECT_EQ(grid.ColWidth(3), GridModel::defaultColumnWidth);

    // The find dialog hides rows with height 0 and shows them again.
    EXPECT_EQ(grid.RowHeight(2), GridModel::defaultRowHeight);
    grid.setRowHeight(2, 0);
    EXPECT_EQ(grid.RowHeight(2), 0);
    EXPECT_EQ(grid.RowHeight(1), GridModel::defaultRowHeight);
    EXPECT_EQ(grid.headerData(2, Qt::Vertical, GridModel::RowHeightRole).toInt(), 0);
    grid.setRowHeight(2, -1);
    EXPECT_EQ(grid.RowHeight(2), GridModel::defaultRowHeight);

    // Heights travel with their rows.
    grid.setRowHeight(3, 0);
    grid.AddItem(QStringLiteral("inserted"), 1);
    EXPECT_EQ(grid.RowHeight(4), 0);
    EXPECT_EQ(grid.RowHeight(1), GridModel::defaultRowHeight);

    EXPECT_THROW(grid.setRowHeight(0, -2), Failure);
    EXPECT_THROW(grid.setColWidth(0, -5), Failure);
    EXPECT_THROW(grid.RowHeight(5), Failure);
}

TEST(GridModelState, visibilityEnabledAndScrollPositionAreAnnounced)
{
    GridModel grid;
    grid.setCols(49);
    QStringList seen;
    QObject::connect(&grid, &GridModel::visibleChanged, [&](bool on) { seen << QStringLiteral("visible %1").arg(on); });
    QObject::connect(&grid, &GridModel::enabledChanged, [&](bool on) { seen << QStringLiteral("enabled %1").arg(on); });
    QObject::connect(&grid, &GridModel::scrollPositionChanged, [&](int c) { seen << QStringLiteral("left %1").arg(c); });
    QObject::connect(&grid, &GridModel::fixedCellsChanged, [&] { seen << QStringLiteral("fixed"); });

    // The layout hides the grid while it works and gives it back its state.
    const bool wasVisible = grid.Visible();
    grid.setVisible(false);
    grid.setFixedCols(4);
    grid.setLeftCol(12);
    grid.setVisible(wasVisible);
    grid.setEnabled(false);
    grid.setEnabled(false);
    EXPECT_EQ(seen, (QStringList{"visible 0", "fixed", "left 12", "visible 1", "enabled 0"}));
    EXPECT_EQ(grid.LeftCol(), 12);
    EXPECT_THROW(grid.setLeftCol(49), Failure);

    grid.setCols(10);
    EXPECT_EQ(grid.LeftCol(), 9);
    EXPECT_EQ(grid.FixedCols(), 4);
}

TEST(GridModelCells, lateBoundCallsReachTheGridOperations)
{
    // A host that binds by name sees the grid's own property names.
    GridModel grid;
    EXPECT_TRUE(grid.setProperty("Cols", 3));
    EXPECT_TRUE(grid.setProperty("Rows", 2));
    EXPECT_TRUE(QMetaObject::invokeMethod(&grid, "AddItem", Q_ARG(QString, QStringLiteral("x\ty"))));
    EXPECT_TRUE(grid.setProperty("Row", 2));
    EXPECT_TRUE(grid.setProperty("Col", 1));
    EXPECT_TRUE(grid.setProperty("CellBackColor", unpostedColor));
    EXPECT_EQ(grid.property("Rows").toInt(), 3);
    EXPECT_EQ(grid.TextMatrix(2, 1), QStringLiteral("y"));
    EXPECT_EQ(grid.CellBackColor(2, 1), unpostedColor);
}

} // namespace
} // namespace qxmxz

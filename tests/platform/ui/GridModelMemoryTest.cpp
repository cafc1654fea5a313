#include <gtest/gtest.h>

#include "platform/ui/GridModel.h"

#include <cstdio>

namespace qxmxz {
namespace {

// A detail-ledger row of the amount book style as the month fill hands it
// over: ten visible texts (month, day, voucher, account code and name,
// summary, one amount, direction, balance) and fifteen short row-data texts
// (year, person, customer, department, settlement, maker, checker, a few
// user-defined items, posted flag), the rest empty.
QString ledgerRow(int line)
{
    static const QString summaries[] = {
        QStringLiteral("收到货款"), QStringLiteral("支付办公费用"), QStringLiteral("提取现金备用"),
        QStringLiteral("结转本月销售成本"), QStringLiteral("计提固定资产折旧"),
    };
    QStringList cells(49);
    cells[0] = QStringLiteral("26");
    cells[1] = QStringLiteral("%1").arg(line / 31 % 12 + 1, 2, 10, QLatin1Char('0'));
    cells[2] = QStringLiteral("%1").arg(line % 28 + 1, 2, 10, QLatin1Char('0'));
    cells[3] = QStringLiteral("记-%1").arg(line % 10000, 4, 10, QLatin1Char('0'));
    cells[4] = QStringLiteral("100201");
    cells[5] = QStringLiteral("工商银行");
    cells[6] = summaries[line % 5];
    cells[line % 2 ? 12 : 15] = QStringLiteral("%L1").arg(1000.0 + (line % 997) * 13.37, 0, 'f', 2);
    cells[16] = line % 3 ? QStringLiteral("借") : QStringLiteral("贷");
    cells[21] = QStringLiteral("%L1").arg(250000.0 + line * 1.25, 0, 'f', 2);
    // Row data: person, customer, department, item, settlement, its number, maker, checker, user-defined items.
    const QString rowData[] = {"P%1", "C%1", "D%1", "I%1", "2", "ZP%1", "demo", "admin", "S%1", "A", "北区", "2026", "X%1"};
    for (int i = 0; i < 13; ++i)
        cells[22 + i] = rowData[i].contains(u'%') ? rowData[i].arg(line % (40 + 97 * i), 3, 10, QLatin1Char('0')) : rowData[i];
    cells[48] = line % 11 ? QStringLiteral("1") : QStringLiteral("0");
    return cells.join(u'\t');
}

TEST(GridModelMemory, aMillionLedgerRowsStayCompact)
{
    constexpr int rows = 1000000;
    constexpr int unpostedColor = 14085870;
    // Building the texts costs more than storing them; a pool of distinct
    // rows keeps the test quick. The grid cannot tell: it stores every row.
    constexpr int distinctRows = 4099;
    QStringList pool;
    for (int line = 0; line < distinctRows; ++line)
        pool << ledgerRow(line);
    GridModel grid;
    grid.setCols(49);
    for (int column = 1; column <= 21; ++column)
        grid.setColAlignment(column, column == 1 || column == 2 || column == 16 ? GridAlignment::centreCentre
                                     : column <= 7                              ? GridAlignment::leftCentre
                                                                                : GridAlignment::rightCentre);
    grid.setRedraw(false);
    for (int line = 0; line < rows; ++line) {
        grid.AddItem(pool[line % distinctRows]);
        if (line % 11 == 0)
            grid.setRowBackColor(line, unpostedColor);
        if (line % 1000 == 0)
            grid.setCellAlignment(line, 6, GridAlignment::centreCentre); // a few rows of their own
    }
    grid.setRedraw(true);

    ASSERT_EQ(grid.Rows(), rows);
    ASSERT_EQ(grid.rowCount(), rows);
    for (int line : {0, 1, 4321, 500000, rows - 1}) {
        const QStringList expected = pool[line % distinctRows].split(u'\t');
        for (int column = 0; column < 49; ++column)
            ASSERT_EQ(grid.TextMatrix(line, column), expected[column]) << "row " << line << " column " << column;
        EXPECT_EQ(grid.CellBackColor(line, 3), line % 11 == 0 ? unpostedColor : noColor);
        EXPECT_EQ(grid.CellAlignment(line, 6), line % 1000 == 0 ? GridAlignment::centreCentre
                                                                : GridAlignment::leftCentre);
        EXPECT_EQ(grid.CellAlignment(line, 21), GridAlignment::rightCentre);
    }

    const double perRow = double(grid.byteSize()) / rows;
    std::printf("[ memory   ] %d ledger rows of 49 columns: %.1f bytes per row\n", rows, perRow);
    EXPECT_LT(perRow, 500.0);
}

} // namespace
} // namespace qxmxz

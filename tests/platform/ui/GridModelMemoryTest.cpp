#include <gtest/gtest.h>

#include "platform/ui/GridModel.h"

#include <QElapsedTimer>
#include <QFile>
#include <cstdio>

namespace qxmxz {
namespace {

// Resident memory of this process in bytes, or -1 where /proc is missing;
// reported beside the grid's own count, never asserted.
qint64 residentBytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong() * 1024;
    return -1;
}

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
    cells[22] = QStringLiteral("P%1").arg(line % 40, 3, 10, QLatin1Char('0'));
    cells[23] = QStringLiteral("C%1").arg(line % 300, 4, 10, QLatin1Char('0'));
    cells[24] = QStringLiteral("D%1").arg(line % 12, 2, 10, QLatin1Char('0'));
    cells[25] = QStringLiteral("I%1").arg(line % 50, 3, 10, QLatin1Char('0'));
    cells[26] = QStringLiteral("2");
    cells[27] = QStringLiteral("ZP%1").arg(line % 5000, 5, 10, QLatin1Char('0'));
    cells[28] = QStringLiteral("demo");
    cells[29] = QStringLiteral("admin");
    cells[30] = QStringLiteral("S%1").arg(line % 80, 3, 10, QLatin1Char('0'));
    cells[31] = QStringLiteral("A");
    cells[32] = QStringLiteral("北区");
    cells[33] = QStringLiteral("2026");
    cells[34] = QStringLiteral("X%1").arg(line % 9);
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
    const qint64 residentBefore = residentBytes();
    QElapsedTimer timer;
    timer.start();

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
    const qint64 elapsed = timer.elapsed();
    const qint64 residentAfter = residentBytes();

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
    std::printf("[ memory   ] %d ledger rows of 49 columns: grid holds %.1f bytes per row (%lld bytes);"
                " resident growth %.1f bytes per row; filled in %lld ms\n",
                rows, perRow, static_cast<long long>(grid.byteSize()),
                residentBefore < 0 ? -1.0 : double(residentAfter - residentBefore) / rows,
                static_cast<long long>(elapsed));
    EXPECT_LT(perRow, 500.0);
}

} // namespace
} // namespace qxmxz

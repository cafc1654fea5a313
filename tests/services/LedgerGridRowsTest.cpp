#include <gtest/gtest.h>

#include "platform/sql/LocalDatabase.h"
#include "platform/sql/LocalRecordSet.h"
#include "platform/ui/GridAlignment.h"
#include "platform/ui/GridModel.h"
#include "services/GridColours.h"
#include "services/LedgerGridRows.h"

using namespace qxmxz;

namespace {

QStringList rowTexts(const GridModel &grid, int row)
{
    QStringList cells;
    for (int column = 0; column < grid.Cols(); ++column)
        cells << grid.TextMatrix(row, column);
    return cells;
}

} // namespace

// The rows of a working table reach the grid as the ledger shows them: text
// as it is held (a tab inside a value shown as a space), numbers as text,
// Null as empty, unposted rows coloured, the ledger's alignments set; a page
// asked beyond the last row stops there.
TEST(LedgerGridRows, WorkingRowsReachTheGridAsTheLedgerShowsThem)
{
    LocalDatabase db;
    db.execute(QStringLiteral("CREATE TABLE rows (nian TEXT,yue TEXT,ri TEXT,cdigest Memo,md Currency,iBook BYTE)"));
    DynasetRecordSet rs = db.openDynaset(QStringLiteral("rows"));
    auto add = [&rs](const QString &digest, const QVariant &amount, int book) {
        rs.addNew();
        rs.setField(QStringLiteral("nian"), QStringLiteral("03"));
        rs.setField(QStringLiteral("yue"), QStringLiteral("03"));
        rs.setField(QStringLiteral("cdigest"), digest);
        rs.setField(QStringLiteral("md"), amount);
        rs.setField(QStringLiteral("iBook"), book);
        rs.update();
    };
    add(QStringLiteral("收到货款\t第二笔"), QStringLiteral("1,250.00"), 1);
    add(QStringLiteral("支付办公费用"), 42, 0);

    GridModel grid;
    grid.setCols(6);
    rs.moveFirst();
    EXPECT_EQ(appendLedgerRows(grid, rs, 5), 2);

    ASSERT_EQ(grid.Rows(), 2);
    EXPECT_EQ(rowTexts(grid, 0), (QStringList{"03", "03", "", "收到货款 第二笔", "1,250.00", "1"}));
    EXPECT_EQ(rowTexts(grid, 1), (QStringList{"03", "03", "", "支付办公费用", "42", "0"}));
    grid.setRow(1);
    grid.setCol(3);
    EXPECT_EQ(grid.CellBackColor(), UnpostedRowColour);
    grid.setRow(0);
    EXPECT_NE(grid.CellBackColor(), UnpostedRowColour);
    grid.setCol(1);
    EXPECT_EQ(grid.CellAlignment(), GridAlignment::centreCentre);
    grid.setCol(3);
    EXPECT_EQ(grid.CellAlignment(), GridAlignment::leftCentre);
    EXPECT_EQ(appendLedgerRows(grid, rs, 3), 0);
}

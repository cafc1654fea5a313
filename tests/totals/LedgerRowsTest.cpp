// Balance and totals rows written into a working table of the ledgers.

#include "totals/LedgerRows.h"

#include <gtest/gtest.h>

#include "MxfirstTable.h"
#include "support/Printers.h"
#include "totals/AccSumRec.h"
#include "totals/BalanceDirection.h"

namespace qxmxz {
namespace {

using namespace test;

Currency cy(const char *text)
{
    return *Currency::fromText(QString::fromLatin1(text));
}

class LedgerRowsTest : public ::testing::Test {
protected:
    // A record as the running totals hold it: balance with its direction.
    AccSumRec balance(const char *amount, double quantity = 0, const char *foreign = "0")
    {
        AccSumRec r{.ne_s = quantity, .me_f = cy(foreign), .me = cy(amount)};
        applyDirectionRule(pub, r);
        return r;
    }

    bool writeBalance(const AccSumRec &r, ZeroBalanceRow whenZero = ZeroBalanceRow::Skip)
    {
        return WriteBalanceRow(pub, QStringLiteral("期初余额"), rs, r, account, whenZero, [this] { ++saved; });
    }

    GlPublic pub;
    QString table = createMxfirstTable(pub);
    DynasetRecordSet rs = pub.localDatabase().openDynaset(table);
    AccountRecord account{
        .exists = true, .code = QStringLiteral("2202"), .name = QStringLiteral("应付账款"), .isEnd = true};
    int saved = 0;
};

TEST_F(LedgerRowsTest, BalanceRowsShowMagnitudesBesideTheirDirection)
{
    ASSERT_TRUE(writeBalance(balance("-100", -5, "-20")));
    // A foreign balance on the other side than the amount shows as negative.
    writeBalance(balance("-100", 5, "20"));
    writeBalance(balance("12345.6", 2, "1900"));
    // The unit price is that of the foreign amount in an account kept in a currency.
    account.currencyName = QStringLiteral("美元");
    writeBalance(balance("100", 5, "20"));
    const QList<QStringList> rows = workingTableRows(pub, table);
    ASSERT_EQ(rows.size(), 4);
    expectCells(rows[0], {{Balance, "100.00"}, {Direction, "贷"}, {BalanceQuantity, "5.00"}, {BalanceForeign, "20.00"},
                          {Digest, "期初余额"}, {Code, "2202"}, {Name, "应付账款"}, {Posted, "1"}});
    expectCells(rows[1], {{BalanceQuantity, "-5.00"}, {BalanceForeign, "-20.00"}, {BalancePrice, "20.00"}});
    expectCells(rows[2], {{Balance, "12,345.60"}, {BalanceForeign, "1,900.00"}, {Direction, "借"}});
    expectCells(rows[3], {{BalancePrice, "4.00"}});
    EXPECT_EQ(saved, 4);
}

TEST_F(LedgerRowsTest, AllZeroRecordIsSkippedUnlessAsked)
{
    AccSumRec zero;
    ClearTotals(zero);
    EXPECT_FALSE(writeBalance(zero));
    EXPECT_EQ(saved, 0);
    // A quantity alone is not zero.
    EXPECT_TRUE(writeBalance(balance("0", 3)));
    EXPECT_TRUE(writeBalance(balance("0"), ZeroBalanceRow::Write));
    const QList<QStringList> rows = workingTableRows(pub, table);
    ASSERT_EQ(rows.size(), 2);
    expectCells(rows[0], {{BalanceQuantity, "3.00"}});
    expectCells(rows[1], {{Direction, "平"}, {Balance, ""}});
}

TEST_F(LedgerRowsTest, TotalsRowsShowMovementsTheBalanceAfterThemAndTheSummaryOfTheirMode)
{
    const AccSumRec r{.nd_s = 3, .md_f = cy("1900"), .md = cy("1234.5"), .ne_s = -2, .me_f = cy("-10"),
                      .me = cy("-250.5"), .nc_s = 0.001, .mc_f = cy("0.5"), .mc = cy("9.999"),
                      .cDirection = QStringLiteral("stale")};
    WriteTotalsRow(pub, 3, 0, [this] { ++saved; }, TotalsRowMode::Period, r, rs, QStringLiteral("本月合计"), account);
    WriteTotalsRow(pub, 4, 0, {}, TotalsRowMode::Period, r, rs, QString(), account);
    WriteTotalsRow(pub, 4, 0, {}, TotalsRowMode::Cumulative, r, rs, QString(), account);
    WriteTotalsRow(pub, 4, 15, {}, TotalsRowMode::Day, r, rs, QStringLiteral("ignored"), account);
    const QList<QStringList> rows = workingTableRows(pub, table);
    ASSERT_EQ(rows.size(), 4);
    EXPECT_EQ(saved, 1);
    // The direction comes from the balance, not from the record's text.
    expectCells(rows[0], {{Digest, "本月合计"}, {Month, "03"}, {Day, ""}, {Debit, "1,234.50"}, {Credit, "10.00"},
                          {DebitQuantity, "3.00"}, {CreditQuantity, ""}, {DebitForeign, "1,900.00"},
                          {CreditForeign, "0.50"}, {Direction, "贷"}, {Balance, "250.50"}, {BalanceQuantity, "2.00"},
                          {BalanceForeign, "10.00"}, {BalancePrice, "125.25"}, {Code, "2202"}, {Posted, "1"}});
    EXPECT_EQ(rows[1][Digest], pub.periodTotalText(4));
    EXPECT_EQ(rows[2][Digest], pub.cumulativeText(4));
    ASSERT_NE(pub.text(QStringLiteral("R7.GL.QXMXZ.yujmod.day")), QStringLiteral("R7.GL.QXMXZ.yujmod.day"));
    EXPECT_EQ(rows[3][Digest], pub.text(QStringLiteral("R7.GL.QXMXZ.yujmod.day")));
    expectCells(rows[3], {{Month, "04"}, {Day, "15"}});
}

} // namespace
} // namespace qxmxz

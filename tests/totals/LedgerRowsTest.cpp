// Balance and totals rows written into a working table of the ledgers.

#include "totals/LedgerRows.h"

#include <gtest/gtest.h>

#include "MxfirstTable.h"
#include "support/Printers.h"
#include "totals/AccSumRec.h"
#include "totals/BalanceDirection.h"

namespace qxmxz {
namespace {

Currency cy(const char *text)
{
    return *Currency::fromText(QString::fromLatin1(text));
}

class LedgerRowsTest : public ::testing::Test {
protected:
    LedgerRowsTest() : table(createMxfirstTable(pub)), rs(pub.localDatabase().openDynaset(table))
    {
        account.exists = true;
        account.code = QStringLiteral("2202");
        account.name = QStringLiteral("应付账款");
        account.isEnd = true;
    }

    RowSaved counting()
    {
        return [this] { ++saved; };
    }

    // A record as the running totals hold it: balance with its direction.
    AccSumRec balance(const char *amount, double quantity = 0, const char *foreign = "0")
    {
        AccSumRec r;
        r.me = cy(amount);
        r.ne_s = quantity;
        r.me_f = cy(foreign);
        applyDirectionRule(pub, r);
        return r;
    }

    WrittenRows written() { return WrittenRows::read(pub, table); }

    GlPublic pub;
    QString table;
    DynasetRecordSet rs;
    AccountRecord account;
    int saved = 0;
};

TEST_F(LedgerRowsTest, BalanceRowsShowMagnitudesBesideTheirDirection)
{
    ASSERT_TRUE(WriteBalanceRow(pub, QStringLiteral("期初余额"), rs, balance("-100", -5, "-20"), account,
                                ZeroBalanceRow::Skip, counting()));
    // A foreign balance on the other side than the amount shows as negative.
    WriteBalanceRow(pub, QStringLiteral("b"), rs, balance("-100", 5, "20"), account, ZeroBalanceRow::Skip, counting());
    WriteBalanceRow(pub, QStringLiteral("c"), rs, balance("12345.6", 2, "1900"), account, ZeroBalanceRow::Skip, {});
    // The unit price is that of the foreign amount in an account kept in a currency.
    account.currencyName = QStringLiteral("美元");
    WriteBalanceRow(pub, QStringLiteral("d"), rs, balance("100", 5, "20"), account, ZeroBalanceRow::Skip, {});
    const WrittenRows rows = written();
    ASSERT_EQ(rows.size(), 4);
    EXPECT_EQ(rows.at(0, "Smend"), QStringLiteral("100.00"));
    EXPECT_EQ(rows.at(0, "Scendd_c"), DirectionText(pub, QStringLiteral("贷")));
    EXPECT_EQ(rows.at(0, "Scendd_c"), QStringLiteral("贷"));
    EXPECT_EQ(rows.at(0, "Sne_s"), QStringLiteral("5.00"));
    EXPECT_EQ(rows.at(0, "Sme_f"), QStringLiteral("20.00"));
    EXPECT_EQ(rows.at(0, "cDigest"), QStringLiteral("期初余额"));
    EXPECT_EQ(rows.at(0, "ccode"), QStringLiteral("2202"));
    EXPECT_EQ(rows.at(0, "CodeName"), QStringLiteral("应付账款"));
    EXPECT_EQ(rows.at(0, "iBook"), QStringLiteral("1"));
    EXPECT_EQ(rows.at(1, "Sne_s"), QStringLiteral("-5.00"));
    EXPECT_EQ(rows.at(1, "Sme_f"), QStringLiteral("-20.00"));
    EXPECT_EQ(rows.at(1, "aPrice"), QStringLiteral("20.00"));
    EXPECT_EQ(rows.at(2, "Smend"), QStringLiteral("12,345.60"));
    EXPECT_EQ(rows.at(2, "Sme_f"), QStringLiteral("1,900.00"));
    EXPECT_EQ(rows.at(2, "Scendd_c"), QStringLiteral("借"));
    EXPECT_EQ(rows.at(3, "aPrice"), QStringLiteral("4.00"));
    EXPECT_EQ(saved, 2);
}

TEST_F(LedgerRowsTest, AllZeroRecordIsSkippedUnlessAsked)
{
    AccSumRec zero;
    ClearTotals(zero);
    EXPECT_FALSE(WriteBalanceRow(pub, QStringLiteral("x"), rs, zero, account, ZeroBalanceRow::Skip, counting()));
    EXPECT_EQ(written().size(), 0);
    EXPECT_EQ(saved, 0);

    // A quantity alone is not zero.
    EXPECT_TRUE(WriteBalanceRow(pub, QStringLiteral("q"), rs, balance("0", 3), account, ZeroBalanceRow::Skip,
                                counting()));
    EXPECT_TRUE(WriteBalanceRow(pub, QStringLiteral("z"), rs, balance("0"), account, ZeroBalanceRow::Write,
                                counting()));
    const WrittenRows rows = written();
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows.at(0, "Sne_s"), QStringLiteral("3.00"));
    EXPECT_EQ(rows.at(1, "Scendd_c"), DirectionText(pub, QStringLiteral("平")));
    EXPECT_EQ(rows.at(1, "Smend"), QString());
    EXPECT_EQ(saved, 2);
}

TEST_F(LedgerRowsTest, PeriodTotalRowShowsMovementsAndTheBalanceAfterThem)
{
    AccSumRec r = balance("-250.5", -2, "-10");
    r.md = cy("1234.5");
    r.mc = cy("9.999");
    r.nd_s = 3;
    r.nc_s = 0.001;
    r.md_f = cy("1900");
    r.mc_f = cy("0.5");
    r.cDirection = QStringLiteral("stale");
    WriteTotalsRow(pub, 3, 0, counting(), TotalsRowMode::Period, r, rs, QStringLiteral("本月合计"), account);
    const WrittenRows rows = written();
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(rows.at(0, "cDigest"), QStringLiteral("本月合计"));
    EXPECT_EQ(rows.at(0, "Yue"), QStringLiteral("03"));
    EXPECT_EQ(rows.at(0, "Ri"), QString());
    EXPECT_EQ(rows.at(0, "Smd"), QStringLiteral("1,234.50"));
    EXPECT_EQ(rows.at(0, "Smc"), QStringLiteral("10.00"));
    EXPECT_EQ(rows.at(0, "Snd_s"), QStringLiteral("3.00"));
    EXPECT_EQ(rows.at(0, "Snc_s"), QString());
    EXPECT_EQ(rows.at(0, "Smd_f"), QStringLiteral("1,900.00"));
    EXPECT_EQ(rows.at(0, "Smc_f"), QStringLiteral("0.50"));
    // The direction comes from the balance, not from the record's text.
    EXPECT_EQ(rows.at(0, "Scendd_c"), QStringLiteral("贷"));
    EXPECT_EQ(rows.at(0, "Smend"), QStringLiteral("250.50"));
    EXPECT_EQ(rows.at(0, "Sne_s"), QStringLiteral("2.00"));
    EXPECT_EQ(rows.at(0, "Sme_f"), QStringLiteral("10.00"));
    EXPECT_EQ(rows.at(0, "aPrice"), QStringLiteral("125.25"));
    EXPECT_EQ(rows.at(0, "iBook"), QStringLiteral("1"));
    EXPECT_EQ(saved, 1);
}

TEST_F(LedgerRowsTest, EachModeBringsItsSummary)
{
    const AccSumRec r = balance("10");
    WriteTotalsRow(pub, 4, 0, {}, TotalsRowMode::Period, r, rs, QString(), account);
    WriteTotalsRow(pub, 4, 0, {}, TotalsRowMode::Cumulative, r, rs, QString(), account);
    WriteTotalsRow(pub, 4, 15, {}, TotalsRowMode::Day, r, rs, QStringLiteral("ignored"), account);
    WriteTotalsRow(pub, 4, 0, {}, TotalsRowMode::Cumulative, r, rs, QStringLiteral("本年累计"), account);
    const WrittenRows rows = written();
    ASSERT_EQ(rows.size(), 4);
    EXPECT_EQ(rows.at(0, "cDigest"), pub.periodTotalText(4));
    EXPECT_EQ(rows.at(1, "cDigest"), pub.cumulativeText(4));
    EXPECT_EQ(rows.at(2, "cDigest"), pub.text(QStringLiteral("R7.GL.QXMXZ.yujmod.day")));
    EXPECT_NE(rows.at(2, "cDigest"), QStringLiteral("R7.GL.QXMXZ.yujmod.day"));
    EXPECT_EQ(rows.at(2, "Yue"), QStringLiteral("04"));
    EXPECT_EQ(rows.at(2, "Ri"), QStringLiteral("15"));
    EXPECT_EQ(rows.at(3, "cDigest"), QStringLiteral("本年累计"));
}

} // namespace
} // namespace qxmxz

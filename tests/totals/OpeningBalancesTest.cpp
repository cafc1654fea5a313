// Opening balances per currency from the database and the opening rows of a
// ledger, on SQLite and PostgreSQL, over the demo company.

#include "totals/OpeningBalances.h"

#include <gtest/gtest.h>

#include "LedgerDatabase.h"
#include "MxfirstTable.h"
#include "platform/Failure.h"
#include "support/Printers.h"
#include "support/TestDatabases.h"
#include "support/TestSession.h"
#include "totals/BalanceDirection.h"
#include "totals/AmountFormats.h"
#include "totals/CurrencyList.h"

namespace qxmxz {
namespace {

using test::TestSession;

class OpeningBalancesTest : public ::testing::TestWithParam<Backend> {
protected:
    void SetUp() override { session = test::openDemoSession(GetParam()); }

    GlPublic &pub() { return session->pub; }
    Connection &db() { return pub().database(); }

    // The record of a currency in a per-currency array.
    static const AccSumRec &recordOf(const QVector<AccSumRec> &records, const QString &currency)
    {
        for (qsizetype i = 1; i < records.size(); ++i)
            if (records[i].cName == currency)
                return records[i];
        throw std::runtime_error("no record for " + currency.toStdString());
    }

    QVector<AccSumRec> openingsOf(const QString &code, int period, bool includeUnposted)
    {
        QVector<AccSumRec> records = InitCurrencyTotals(pub());
        LoadOpeningBalances(pub(), records, code, period, includeUnposted);
        return records;
    }

    std::unique_ptr<TestSession> session;
};

TEST_P(OpeningBalancesTest, YearOpeningPerCurrencySumsIntoTheAccountTotal)
{
    const QVector<AccSumRec> records = openingsOf(QStringLiteral("1002"), 1, false);
    const AccSumRec &home = recordOf(records, QStringLiteral("人民币"));
    const AccSumRec &usd = recordOf(records, QStringLiteral("美元"));
    const AccSumRec &hkd = recordOf(records, QStringLiteral("港币"));
    EXPECT_EQ(home.me, Currency::fromInteger(1850000));
    EXPECT_EQ(home.me_f, Currency());
    EXPECT_EQ(usd.me, Currency::fromInteger(852000));
    EXPECT_EQ(usd.me_f, Currency::fromInteger(120000));
    EXPECT_EQ(hkd.me, Currency::fromInteger(182000));
    EXPECT_EQ(hkd.me_f, Currency::fromInteger(200000));
    EXPECT_EQ(usd.cDirCode, QStringLiteral("Dr"));

    const AccSumRec &total = records[0];
    EXPECT_EQ(total.me, home.me + usd.me + hkd.me);
    EXPECT_EQ(total.me, beginBalanceFromSums(db(), pub().year(), QStringLiteral("1002"), 1).amount);
    EXPECT_EQ(total.cDirCode, QStringLiteral("Dr"));
}

TEST_P(OpeningBalancesTest, LaterPeriodCarriesTheMovementsBeforeIt)
{
    const QVector<AccSumRec> records = openingsOf(QStringLiteral("1002"), 5, false);
    EXPECT_EQ(records[0].me, beginBalanceFromSums(db(), pub().year(), QStringLiteral("1002"), 5).amount);
    EXPECT_GT(records[0].md, Currency());
    for (Currency AccSumRec::*field : {&AccSumRec::md, &AccSumRec::mc, &AccSumRec::me, &AccSumRec::md_f,
                                       &AccSumRec::mc_f, &AccSumRec::me_f}) {
        Currency sum;
        for (qsizetype i = 1; i < records.size(); ++i)
            sum += records[i].*field;
        EXPECT_EQ(records[0].*field, sum);
    }
    // The foreign balance of each currency is that of its bank account.
    EXPECT_EQ(recordOf(records, QStringLiteral("美元")).me_f,
              beginBalanceFromSums(db(), pub().year(), QStringLiteral("100202"), 5).foreign);
    EXPECT_EQ(recordOf(records, QStringLiteral("港币")).me_f,
              beginBalanceFromSums(db(), pub().year(), QStringLiteral("100203"), 5).foreign);
}

TEST_P(OpeningBalancesTest, CreditBalancesQuantitiesAndUnpostedVouchers)
{
    const QVector<AccSumRec> payable = openingsOf(QStringLiteral("2202"), 1, false);
    EXPECT_EQ(payable[0].me, beginBalanceFromSums(db(), pub().year(), QStringLiteral("2202"), 1).amount);
    EXPECT_LT(payable[0].me, Currency());
    EXPECT_EQ(payable[0].cDirection, DirectionText(pub(), QStringLiteral("贷")));

    const QVector<AccSumRec> stock = openingsOf(QStringLiteral("1403"), 1, false);
    EXPECT_DOUBLE_EQ(stock[0].ne_s, beginBalanceFromSums(db(), pub().year(), QStringLiteral("1403"), 1).quantity);
    EXPECT_GT(stock[0].ne_s, 0);

    const QString code = QStringLiteral("6602");
    const Currency unposted = movementBefore(db(), pub().year(), code, 12, QStringLiteral("ibook <> 1"));
    ASSERT_NE(unposted, Currency()) << "the demo company keeps an unposted voucher in November";
    const QVector<AccSumRec> posted = openingsOf(code, 12, false);
    EXPECT_EQ(posted[0].me, beginBalanceFromSums(db(), pub().year(), code, 12).amount);
    EXPECT_EQ(openingsOf(code, 12, true)[0].me, posted[0].me + unposted);
}

TEST_P(OpeningBalancesTest, AnAccountWithoutBalanceAndAnArrayWithoutTheTotal)
{
    QVector<AccSumRec> records = InitCurrencyTotals(pub());
    records[0].cDirection = QStringLiteral("stale");
    LoadOpeningBalances(pub(), records, QStringLiteral("6051"), 1, false);
    EXPECT_TRUE(IsZeroTotals(records[0], true));
    EXPECT_EQ(records[0].cDirCode, QStringLiteral("-"));
    EXPECT_EQ(records[0].cDirection, DirectionText(pub(), QStringLiteral("平")));

    QVector<AccSumRec> none;
    EXPECT_THROW(LoadOpeningBalances(pub(), none, QStringLiteral("1002"), 1, false), Failure);
}

class OpeningRowsTest : public OpeningBalancesTest {
protected:
    void SetUp() override
    {
        OpeningBalancesTest::SetUp();
        openTable();
    }
    void openTable()
    {
        rs.reset();
        table = createMxfirstTable(pub());
        rs = std::make_unique<DynasetRecordSet>(pub().localDatabase().openDynaset(table));
    }

    int write(const QString &code, int period, int accountType, bool writeZero = false)
    {
        return WriteOpeningRows(pub(), pub().account(code), period, false, accountType, *rs, records,
                                [this] { ++saved; }, writeZero);
    }

    WrittenRows written() { return WrittenRows::read(pub(), table); }

    QString table;
    std::unique_ptr<DynasetRecordSet> rs;
    QVector<AccSumRec> records;
    int saved = 0;
};

TEST_P(OpeningRowsTest, RowsPerForeignCurrencyOnlyInForeignCurrencyStyles)
{
    // Account, first period, book style (0 amount … 3 quantity and foreign), zero rows asked, rows written.
    const std::tuple<const char *, int, int, bool, int> cases[] = {
        {"1002", 1, 0, false, 1}, {"1002", 3, 2, false, 3}, {"1002", 3, 1, false, 1}, {"100201", 1, 3, false, 1},
        {"100202", 1, 2, false, 2}, {"6051", 1, 2, false, 0}, {"6051", 1, 2, true, 1},
    };
    for (const auto &[code, period, style, writeZero, count] : cases) {
        saved = 0;
        EXPECT_EQ(write(QString::fromLatin1(code), period, style, writeZero), count) << code << " from " << period;
        EXPECT_EQ(saved, count) << code << " from " << period;
    }
    EXPECT_EQ(written().rows.last().value(QStringLiteral("scendd_c")), DirectionText(pub(), QStringLiteral("平")));
}

TEST_P(OpeningRowsTest, LaterFirstPeriodWritesARowForEachForeignCurrency)
{
    write(QStringLiteral("1002"), 3, 2);
    const WrittenRows rows = written();
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ(rows.at(0, "cDigest"), pub().text(QStringLiteral("R7.GL.QXMXZ.yujmod.00812")));
    // The home currency has an amount balance but no foreign balance: no row of its own.
    EXPECT_EQ(rows.at(1, "cDigest"), QStringLiteral("  美元"));
    EXPECT_EQ(rows.at(2, "cDigest"), QStringLiteral("  港币"));
    EXPECT_NE(recordOf(records, QStringLiteral("人民币")).me, Currency());
    EXPECT_EQ(rows.at(1, "Sme_f"), FormatCy(recordOf(records, QStringLiteral("美元")).me_f, true));
    EXPECT_EQ(rows.at(1, "Smend"), FormatAmt(recordOf(records, QStringLiteral("美元")).me));
}

TEST_P(OpeningRowsTest, AnAccountKeptInAForeignCurrencyShowsItsHoldingApart)
{
    write(QStringLiteral("100202"), 1, 2);
    const WrittenRows rows = written();
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows.at(0, "Sme_f"), QStringLiteral("120,000.00"));
    EXPECT_EQ(rows.at(0, "aFrat"), QStringLiteral("7.1000"));
    EXPECT_EQ(rows.at(0, "aPrice"), QString());
    EXPECT_EQ(rows.at(1, "cDigest"), QStringLiteral("  美元"));
    EXPECT_EQ(rows.at(1, "Smend"), QStringLiteral("852,000.00"));
}

TEST_P(OpeningRowsTest, WordingFollowsTheLanguageOfTheSession)
{
    rs.reset();
    session = test::openDemoSession(GetParam(), QStringLiteral("demo"), QStringLiteral("en-US"));
    openTable();
    write(QStringLiteral("220203"), 1, 0);
    write(QStringLiteral("1002"), 4, 0);
    const WrittenRows rows = written();
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows.at(0, "cDigest"), QStringLiteral("Brought forward from last year"));
    EXPECT_EQ(rows.at(0, "Scendd_c"), QStringLiteral("Cr"));
    EXPECT_EQ(rows.at(0, "Smend"), QStringLiteral("62,000.00"));
    EXPECT_EQ(rows.at(1, "cDigest"), QStringLiteral("Opening balance"));
    EXPECT_EQ(rows.at(1, "Scendd_c"), QStringLiteral("Dr"));
}

INSTANTIATE_TEST_SUITE_P(Backends, OpeningBalancesTest, test::bothBackends(), test::backendTestName);
INSTANTIATE_TEST_SUITE_P(Backends, OpeningRowsTest, test::bothBackends(), test::backendTestName);

} // namespace
} // namespace qxmxz

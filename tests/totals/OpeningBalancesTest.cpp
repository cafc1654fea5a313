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
#include "totals/CurrencyList.h"

namespace qxmxz {
namespace {

using namespace test;

class OpeningBalancesTest : public test::BackendTest {
protected:
    void SetUp() override
    {
        BackendTest::SetUp();
        if (IsSkipped())
            return;
        session = openDemoSession(GetParam());
    }

    GlPublic &pub() { return session->pub; }
    Currency fromSums(const char *prefix, int period, const char *column = "mb")
    {
        return beginBalanceFromSums(pub().database(), pub().year(), QString::fromLatin1(prefix), period, column);
    }

    QVector<AccSumRec> openingsOf(const char *code, int period, bool includeUnposted = false)
    {
        QVector<AccSumRec> records = InitCurrencyTotals(pub());
        LoadOpeningBalances(pub(), records, QString::fromLatin1(code), period, includeUnposted);
        return records;
    }

    std::unique_ptr<TestSession> session;
};

TEST_P(OpeningBalancesTest, PerCurrencyOpeningsSumIntoTheAccountTotal)
{
    for (int period : {1, 5}) {
        SCOPED_TRACE(period);
        const QVector<AccSumRec> records = openingsOf("1002", period);
        EXPECT_EQ(records[0].me, fromSums("1002", period));
        EXPECT_EQ(records[0].cDirCode, QStringLiteral("Dr"));
        EXPECT_EQ(records[0].md > Currency(), period > 1) << "the movements before the first period";
        for (Currency AccSumRec::*field : {&AccSumRec::md, &AccSumRec::mc, &AccSumRec::me, &AccSumRec::md_f,
                                           &AccSumRec::mc_f, &AccSumRec::me_f}) {
            Currency sum;
            for (qsizetype i = 1; i < records.size(); ++i)
                sum += records[i].*field;
            EXPECT_EQ(records[0].*field, sum);
        }
        // Each currency, in the order of the list, holds the balance of its own bank accounts.
        EXPECT_EQ(records.value(1).me, fromSums("100200", period) + fromSums("100201", period)) << "人民币";
        for (const auto &[i, bank] : {std::pair(2, "100202"), {3, "100203"}}) {
            EXPECT_EQ(records.value(i).me, fromSums(bank, period)) << bank;
            EXPECT_EQ(records.value(i).me_f, fromSums(bank, period, "mb_f")) << bank;
        }
        EXPECT_NE(records.value(2).me_f, Currency()) << "美元";
    }
}

TEST_P(OpeningBalancesTest, CreditBalancesQuantitiesUnpostedVouchersAndNoBalance)
{
    const QVector<AccSumRec> payable = openingsOf("2202", 1);
    EXPECT_EQ(payable[0].me, fromSums("2202", 1));
    EXPECT_LT(payable[0].me, Currency());
    EXPECT_EQ(payable[0].cDirection, DirectionText(pub(), QStringLiteral("贷")));
    EXPECT_DOUBLE_EQ(openingsOf("1403", 1)[0].ne_s, fromSums("1403", 1, "nb_s").toDouble());
    EXPECT_GT(fromSums("1403", 1, "nb_s"), Currency());

    const Currency unposted = unpostedMovementBefore(pub().database(), pub().year(), QStringLiteral("6602"), 12);
    ASSERT_NE(unposted, Currency()) << "the demo company keeps an unposted voucher in November";
    EXPECT_EQ(openingsOf("6602", 12)[0].me, fromSums("6602", 12));
    EXPECT_EQ(openingsOf("6602", 12, true)[0].me, fromSums("6602", 12) + unposted);

    // An account without balance still gets the total's direction; an array needs the total.
    QVector<AccSumRec> records = InitCurrencyTotals(pub());
    records[0].cDirection = QStringLiteral("stale");
    LoadOpeningBalances(pub(), records, QStringLiteral("6051"), 1, false);
    EXPECT_TRUE(IsZeroTotals(records[0], true));
    EXPECT_EQ(records[0].cDirection, DirectionText(pub(), QStringLiteral("平")));
    QVector<AccSumRec> none;
    EXPECT_THROW(LoadOpeningBalances(pub(), none, QStringLiteral("1002"), 1, false), Failure);
}

// The rows are written in an English session: their wording follows the session's language.
class OpeningRowsTest : public OpeningBalancesTest {
protected:
    void SetUp() override
    {
        BackendTest::SetUp();
        if (IsSkipped())
            return;
        session = openDemoSession(GetParam(), QStringLiteral("demo"), QStringLiteral("en-US"));
        table = createMxfirstTable(pub());
        rs = std::make_unique<DynasetRecordSet>(pub().localDatabase().openDynaset(table));
    }

    int write(const char *code, int period, int bookStyle, bool writeZero = false)
    {
        return WriteOpeningRows(pub(), pub().account(QString::fromLatin1(code)), period, false, bookStyle, *rs,
                                records, [this] { ++saved; }, writeZero);
    }

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
        EXPECT_EQ(write(code, period, style, writeZero), count) << code << " from " << period;
        EXPECT_EQ(saved, count) << code << " from " << period;
    }
    EXPECT_EQ(workingTableRows(pub(), table).last()[Direction], DirectionText(pub(), QStringLiteral("平")));
}

TEST_P(OpeningRowsTest, TheAccountRowThenOneRowPerForeignHolding)
{
    write("1002", 3, 2);
    write("100202", 1, 2);
    write("220203", 1, 0);
    const QList<QStringList> rows = workingTableRows(pub(), table);
    ASSERT_EQ(rows.size(), 6);
    // The home currency has an amount balance but no foreign balance: no row of its own.
    expectCells(rows[0], {{Digest, "Opening balance"}, {Direction, "Dr"}});
    expectCells(rows[1], {{Digest, "  美元"}, {Direction, "Dr"}});
    expectCells(rows[2], {{Digest, "  港币"}});
    // An account kept in a foreign currency shows its holding apart.
    expectCells(rows[3], {{Digest, "Brought forward from last year"}, {BalanceForeign, "120,000.00"},
                          {BalanceRate, "7.1000"}, {BalancePrice, ""}});
    expectCells(rows[4], {{Digest, "  美元"}, {BalanceForeign, "120,000.00"}, {Balance, "852,000.00"}});
    expectCells(rows[5], {{Direction, "Cr"}, {Balance, "62,000.00"}});
}

INSTANTIATE_TEST_SUITE_P(Backends, OpeningBalancesTest, allBackends(), backendTestName);
INSTANTIATE_TEST_SUITE_P(Backends, OpeningRowsTest, allBackends(), backendTestName);

} // namespace
} // namespace qxmxz

// Money is summed exactly in every ledger and on every backend: an amount
// just under a trillion with four decimals, and a thousand lines of one
// ten-thousandth each, come out to the last digit.
#include <gtest/gtest.h>

#include "GeneralLedgerRig.h"
#include "LedgerRuns.h"
#include "install/AccountingDatabase.h"
#include "platform/outside/GlPublic.h"
#include "platform/sql/Connection.h"
#include "support/LedgerCells.h"
#include "support/Printers.h"
#include "support/ScratchVouchers.h"
#include "support/TestDatabases.h"
#include "totals/AccSumRec.h"
#include "totals/CurrencyList.h"
#include "totals/OpeningBalances.h"

using namespace qxmxz;
using namespace qxmxz::test;

namespace {

// The last row of a grid whose summary is `summary` (of the period, when given).
int lastRow(const GridModel &grid, const QString &summary, int period = 0)
{
    for (int row = grid.Rows() - 1; row >= 0; --row)
        if (grid.TextMatrix(row, Digest).trimmed() == summary.trimmed()
            && (period == 0 || grid.TextMatrix(row, Month).toInt() == period))
            return row;
    ADD_FAILURE() << "no row " << summary.toStdString();
    return 0;
}

Currency balanceAt(GlPublic &pub, const GridModel &grid, int row)
{
    return signedBalance(pub, grid.TextMatrix(row, Balance), grid.TextMatrix(row, Direction));
}

Currency lastBalance(GlPublic &pub, const GridModel &grid, const QString &summary)
{
    return balanceAt(pub, grid, lastRow(grid, summary));
}

class MoneyExactness : public test::BackendTest {};

} // namespace

TEST_P(MoneyExactness, ATrillionAndTenThousandthsAddUpToTheLastDigitInEveryLedger)
{
    auto session = openScratchDemoSession(GetParam());
    GlPublic &pub = session->pub;
    const QString account = QStringLiteral("100200");
    GridModel grid;
    runDetailLedger(pub, grid, account, false);
    const Currency before = lastBalance(pub, grid, pub.yearToDateText(12));
    Currency beforeApril = balanceAt(pub, grid, 0); // the opening, or the last row of March or before
    for (int row = 0; row < grid.Rows(); ++row)
        if (const int month = grid.TextMatrix(row, Month).toInt(); month > 0 && month <= 3)
            beforeApril = balanceAt(pub, grid, row);

    // The amounts are chosen so that the exact total lies a ten-thousandth
    // below a rounding boundary of the displayed cents: any error of summing
    // shows in the ledgers' figures.
    const Currency big = *Currency::fromText(QStringLiteral("999999999999.9949"));
    const Currency tiny = Currency::fromUnits(1);
    Connection &db = session->login->connection();
    db.beginTransaction();
    ScratchVoucher deposit;
    deposit.period = 2;
    deposit.date = QDate(2026, 2, 10);
    deposit.lines = {{account, QStringLiteral("大额存入"), big}, {QStringLiteral("4001"), QStringLiteral("大额存入"), {}, big}};
    addScratchVoucher(db, 2026, deposit);
    for (int n = 0; n < 1000; ++n) {
        ScratchVoucher interest;
        interest.period = 2 + n % 2;
        interest.date = QDate(2026, interest.period, 20);
        interest.number = 9100 + n;
        interest.lines = {{account, QStringLiteral("利息"), tiny}, {QStringLiteral("6051"), QStringLiteral("利息"), {}, tiny}};
        addScratchVoucher(db, 2026, interest);
    }
    db.commit();
    db::rebuildAccountSums(db, 2026);
    EXPECT_TRUE(db::reconcileAccountSums(db, 2026).isEmpty());

    // What the ledgers show: the exact total rounded to cents (all positive here).
    const auto shown = [](Currency exact) { return Currency::fromUnits((exact.units() + 50) / 100 * 100); };
    const Currency expected = shown(before + big + tiny * 1000);
    runDetailLedger(pub, grid, account, false);
    EXPECT_EQ(lastBalance(pub, grid, pub.yearToDateText(12)), expected) << "by code";
    const int february = lastRow(grid, pub.monthTotalText(2), 2);
    const Currency februaryDebit = amountOf(grid.TextMatrix(february, Debit));
    const Currency afterMarch = balanceAt(pub, grid, lastRow(grid, pub.monthTotalText(3), 3));
    // The opening of a later period comes from the opening-balance procedure, to the ten-thousandth.
    QVector<AccSumRec> openings = InitCurrencyTotals(pub);
    LoadOpeningBalances(pub, openings, account, 4, false);
    EXPECT_EQ(openings[0].me, beforeApril + big + tiny * 1000);
    runDetailLedger(pub, grid, account, false, 4, 12);
    EXPECT_EQ(balanceAt(pub, grid, 0), afterMarch) << "opening of period 4";

    Currency others;
    for (const char *code : {"100201", "100202", "100203"}) {
        runDetailLedger(pub, grid, QString::fromLatin1(code), false);
        others += lastBalance(pub, grid, pub.yearToDateText(12));
    }
    runDetailLedger(pub, grid, QStringLiteral("1002"), false, 1, 12, true);
    EXPECT_EQ(lastBalance(pub, grid, pub.yearToDateText(12)), shown(before + big + tiny * 1000 + others)) << "by period";
    runMonthlyLedger(pub, grid, account, account, false);
    EXPECT_EQ(lastBalance(pub, grid, pub.yearToDateText(12)), expected) << "month by month";
    runMergedLedger(pub, grid, account, false);
    EXPECT_EQ(lastBalance(pub, grid, pub.cumulativeText(12)), expected) << "merged";

    GeneralLedgerRig general(std::move(session));
    general.fill(account);
    const QList<GeneralLedgerRow> months = general.monthRows();
    ASSERT_EQ(months.size(), 12);
    EXPECT_EQ(months[1].debit, februaryDebit) << "general ledger, February";
    EXPECT_EQ(months.last().balance, expected) << "general ledger";
}

INSTANTIATE_TEST_SUITE_P(Backends, MoneyExactness, allBackends(), backendTestName);

// The three ledgers of an account tell the same story: the general ledger's
// month rows against the merged ledger's period and cumulative rows, and its
// balance after each month against the detail ledger's.
#include <gtest/gtest.h>

#include <QMap>

#include "GeneralLedgerRig.h"
#include "LedgerRuns.h"
#include "platform/outside/GlPublic.h"
#include "support/LedgerCells.h"
#include "support/Printers.h"
#include "support/TestDatabases.h"

using namespace qxmxz;
using namespace qxmxz::test;

namespace {

struct MonthFigures {
    Currency debit, credit, balance;
    friend bool operator==(const MonthFigures &, const MonthFigures &) = default;
};

void PrintTo(const MonthFigures &f, std::ostream *os)
{
    *os << "{" << f.debit.toFixedText().toStdString() << ", " << f.credit.toFixedText().toStdString() << ", "
        << f.balance.toFixedText().toStdString() << "}";
}

struct PeriodRows {
    QMap<int, MonthFigures> months, cumulative;
};

// The merged ledger's period total and cumulative rows, by period.
PeriodRows mergedRows(GlPublic &pub, const QString &code, bool includeUnposted)
{
    GridModel grid;
    runMergedLedger(pub, grid, code, includeUnposted);
    PeriodRows rows;
    for (int row = 0; row < grid.Rows(); ++row) {
        const int period = grid.TextMatrix(row, Month).toInt();
        const QString digest = grid.TextMatrix(row, Digest);
        if (period == 0 || !grid.TextMatrix(row, Voucher).isEmpty())
            continue;
        const MonthFigures f{amountOf(grid.TextMatrix(row, Debit)), amountOf(grid.TextMatrix(row, Credit)),
                             signedBalance(pub, grid.TextMatrix(row, Balance), grid.TextMatrix(row, Direction))};
        if (digest == pub.periodTotalText(period))
            rows.months[period] = f;
        else if (digest == pub.cumulativeText(period))
            rows.cumulative[period] = f;
    }
    return rows;
}

// The detail ledger of the accounts under a code, period by period: the
// month totals of its end accounts added up, and the balance of each end
// account carried through the periods in which it did not move.
QMap<int, MonthFigures> detailMonths(GlPublic &pub, const QString &code, bool includeUnposted)
{
    GridModel grid;
    runDetailLedger(pub, grid, code, includeUnposted);
    QMap<QString, QMap<int, MonthFigures>> byAccount; // account → period of a month total → its figures
    QMap<QString, Currency> openings;
    for (int row = 0; row < grid.Rows(); ++row) {
        const QString account = grid.TextMatrix(row, Code);
        const int period = grid.TextMatrix(row, Month).toInt();
        const QString digest = grid.TextMatrix(row, Digest);
        const Currency balance = signedBalance(pub, grid.TextMatrix(row, Balance), grid.TextMatrix(row, Direction));
        if (!openings.contains(account) && grid.TextMatrix(row, Voucher).isEmpty() && period == 0)
            openings[account] = balance;
        if (period > 0 && digest == pub.monthTotalText(period))
            byAccount[account][period] = {amountOf(grid.TextMatrix(row, Debit)), amountOf(grid.TextMatrix(row, Credit)),
                                          balance};
    }
    QMap<int, MonthFigures> totals;
    QStringList accounts = openings.keys() + byAccount.keys();
    accounts.removeDuplicates();
    for (const QString &account : accounts) {
        Currency last = openings.value(account);
        for (int period = 1; period <= 12; ++period) {
            MonthFigures &total = totals[period];
            if (const auto month = byAccount[account].constFind(period); month != byAccount[account].cend()) {
                total.debit += month->debit;
                total.credit += month->credit;
                last = month->balance;
            }
            total.balance += last;
        }
    }
    return totals;
}

QMap<int, Currency> detailBalances(GlPublic &pub, const QString &code, bool includeUnposted)
{
    QMap<int, Currency> balances;
    const QMap<int, MonthFigures> months = detailMonths(pub, code, includeUnposted);
    for (auto it = months.cbegin(); it != months.cend(); ++it)
        balances[it.key()] = it->balance;
    return balances;
}

// Every parent account of the session's year: its detail ledger by code
// (all its end accounts) against its general ledger, month by month.
void expectEveryParentAgrees(GeneralLedgerRig &r, const QString &context)
{
    int parents = 0;
    for (const AccountRecord &account : r.pub().chart().accounts()) {
        if (account.isEnd)
            continue;
        ++parents;
        for (bool include : {false, true}) {
            const QMap<int, MonthFigures> detail = detailMonths(r.pub(), account.code, include);
            r.fill(account.code, 0, include);
            const QList<GeneralLedgerRow> months = r.monthRows();
            ASSERT_EQ(months.size(), 12) << account.code.toStdString();
            for (const GeneralLedgerRow &m : months)
                EXPECT_EQ(detail.value(m.period), (MonthFigures{m.debit, m.credit, m.balance}))
                    << context.toStdString() << ": " << account.code.toStdString() << " period " << m.period
                    << " include " << include;
        }
    }
    EXPECT_GT(parents, 5) << context.toStdString();
}

class LedgerAgreement : public test::BackendTest {};

} // namespace

TEST_P(LedgerAgreement, MergedPeriodRowsAreTheGeneralLedgersMonthRows)
{
    GeneralLedgerRig r(openDemoSession(GetParam()));
    for (bool include : {false, true}) {
        for (const char *code : {"100201", "1122", "2221", "1002"}) {
            const QString account = QString::fromLatin1(code);
            const PeriodRows merged = mergedRows(r.pub(), account, include);
            ASSERT_FALSE(merged.months.isEmpty()) << code;
            r.fill(account, 0, include);
            QMap<int, MonthFigures> months, years;
            for (const GeneralLedgerRow &m : r.monthRows())
                months[m.period] = {m.debit, m.credit, m.balance};
            for (const GeneralLedgerRow &y : r.yearToDateRows())
                years[y.period] = {y.debit, y.credit, y.balance};
            // The merged ledger has rows for the periods with vouchers; the
            // general ledger for every period.
            for (auto it = merged.months.cbegin(); it != merged.months.cend(); ++it) {
                EXPECT_EQ(it.value(), months.value(it.key())) << code << " period " << it.key() << " include " << include;
                EXPECT_EQ(merged.cumulative.value(it.key()), years.value(it.key()))
                    << code << " period " << it.key() << " include " << include;
            }
            for (auto it = months.cbegin(); it != months.cend(); ++it) {
                if (!merged.months.contains(it.key())) {
                    EXPECT_TRUE(it.value().debit.isZero() && it.value().credit.isZero()) << code << " period " << it.key();
                }
            }
        }
    }
}

TEST_P(LedgerAgreement, TheGeneralLedgersMonthEndBalanceIsTheDetailLedgers)
{
    GeneralLedgerRig r(openDemoSession(GetParam()));
    for (bool include : {false, true}) {
        for (const char *code : {"100201", "100202", "1122", "2221", "6602", "1601"}) {
            const QString account = QString::fromLatin1(code);
            const QMap<int, Currency> detail = detailBalances(r.pub(), account, include);
            r.fill(account, 0, include);
            const QList<GeneralLedgerRow> months = r.monthRows();
            ASSERT_EQ(months.size(), 12) << code;
            for (const GeneralLedgerRow &m : months)
                EXPECT_EQ(m.balance, detail.value(m.period)) << code << " period " << m.period << " include " << include;
        }
    }
}

TEST_P(LedgerAgreement, EveryParentsDetailLedgerIsItsGeneralLedgerMonthByMonth)
{
    // The demo's chart lists an account opened late after the others, and the
    // closed year before shares the chart's codes.
    for (int year : {2026, 2025}) {
        GeneralLedgerRig r(openDemoSession(GetParam(), QStringLiteral("demo"), QStringLiteral("zh-CN"), year));
        expectEveryParentAgrees(r, QStringLiteral("demo %1").arg(year));
    }
    // A generated company: struck-out lines, red ink, two currencies under
    // one parent, an account through zero, a closed year beside the current.
    const std::shared_ptr<Connection> company(openGenerated(GetParam(), 6000));
    for (int year : {2026, 2025}) {
        GeneralLedgerRig generated(openSession(company, QStringLiteral("demo"), QStringLiteral("zh-CN"), year));
        expectEveryParentAgrees(generated, QStringLiteral("generated %1").arg(year));
    }
}

INSTANTIATE_TEST_SUITE_P(Backends, LedgerAgreement, allBackends(), backendTestName);

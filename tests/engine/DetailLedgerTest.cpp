#include <gtest/gtest.h>

#include <QHash>
#include <QSet>

#include "EngineRig.h"
#include "support/Printers.h"
#include "support/ScratchVouchers.h"
#include "platform/Failure.h"
#include "platform/sql/Connection.h"
#include "support/TestDatabases.h"

using namespace qxmxz;
using namespace qxmxz::test;

namespace {

class DetailLedger : public test::BackendTest {
protected:
    std::unique_ptr<EngineRig> rig(const QString &user = QStringLiteral("demo"))
    {
        return std::make_unique<EngineRig>(openDemoSession(GetParam(), user));
    }
};

enum class RowKind { Opening, Line, MonthTotal, YearToDate, Other };

RowKind kindOf(EngineRig &r, int row)
{
    const QString digest = r.cell(row, Digest).trimmed();
    if (!r.cell(row, Voucher).isEmpty())
        return RowKind::Line;
    if (digest == r.pub().text(QStringLiteral("R7.GL.QXMXZ.yujmod.00811")).trimmed()
        || digest == r.pub().text(QStringLiteral("R7.GL.QXMXZ.yujmod.00812")).trimmed())
        return RowKind::Opening;
    if (digest == r.pub().monthTotalText(1).trimmed())
        return RowKind::MonthTotal;
    if (digest == r.pub().yearToDateText(1).trimmed())
        return RowKind::YearToDate;
    return RowKind::Other;
}

// Walks a ledger by code: every line moves the balance by debit minus credit,
// every month total adds up the month's lines, and the balance shown agrees.
// Returns the closing balance of each account.
QHash<QString, Currency> checkArithmetic(EngineRig &r, int balanceColumn = Balance, int debitColumn = Debit,
                                         int creditColumn = Credit)
{
    QHash<QString, Currency> closing;
    QString account;
    Currency balance, monthDebit, monthCredit;
    for (int row = 0; row < r.rows(); ++row) {
        const QString code = r.cell(row, Code);
        if (code != account) {
            account = code;
            balance = monthDebit = monthCredit = Currency();
        }
        const Currency shown = signedBalance(r.pub(), r.cell(row, balanceColumn), r.cell(row, Direction));
        const Currency debit = amountOf(r.cell(row, debitColumn));
        const Currency credit = amountOf(r.cell(row, creditColumn));
        switch (kindOf(r, row)) {
        case RowKind::Opening:
            balance = shown;
            break;
        case RowKind::Line:
            balance += debit - credit;
            monthDebit += debit;
            monthCredit += credit;
            EXPECT_EQ(shown, balance) << "row " << row << " of " << code.toStdString();
            break;
        case RowKind::MonthTotal:
            EXPECT_EQ(debit, monthDebit) << "month total, row " << row;
            EXPECT_EQ(credit, monthCredit) << "month total, row " << row;
            EXPECT_EQ(shown, balance) << "month total, row " << row;
            monthDebit = monthCredit = Currency();
            break;
        case RowKind::YearToDate:
            EXPECT_EQ(shown, balance) << "year to date, row " << row;
            break;
        case RowKind::Other:
            ADD_FAILURE() << "unexpected row " << row << ": " << r.cell(row, Digest).toStdString();
        }
        closing[account] = balance;
    }
    return closing;
}

// The voucher lines of a ledger, each as its month, day, voucher, summary,
// amounts and balance; with `dateOrder`, checks they come in date order.
QList<QStringList> lineRows(EngineRig &r, bool dateOrder)
{
    QList<QStringList> lines;
    QString last;
    for (int row = 0; row < r.rows(); ++row) {
        if (kindOf(r, row) != RowKind::Line)
            continue;
        const QString date = r.cell(row, Month).rightJustified(2, u'0') + r.cell(row, Day).rightJustified(2, u'0');
        if (dateOrder) {
            EXPECT_GE(date, last) << "row " << row;
        }
        last = date;
        lines << QStringList{r.cell(row, Month), r.cell(row, Day),    r.cell(row, Voucher), r.cell(row, Digest),
                             r.cell(row, Debit), r.cell(row, Credit), r.cell(row, Balance), r.cell(row, Direction)};
    }
    return lines;
}

Currency closingFromAccountSums(Connection &db, const QString &code, int period)
{
    RecordSet rs = db.query(QStringLiteral("select cendd_c, me from GL_accsum where iyear=2026 and iperiod=%1 and ccode=N'%2'")
                                .arg(period)
                                .arg(code));
    if (rs.eof())
        return {};
    const Currency me = rs.money(QStringLiteral("me"));
    return rs.text(QStringLiteral("cendd_c")) == QStringLiteral("贷") ? -me : me;
}

} // namespace

TEST_P(DetailLedger, EveryLineCarriesTheRunningBalanceAndTheYearCloseAgreesWithTheBooks)
{
    auto r = rig();
    // 1122 holds 112203, whose balance turns from debit to credit during the year.
    QSet<QString> directionsOf112203;
    for (const char *code : {"100201", "1122", "2221", "1602"}) {
        r->grid.setRows(0);
        r->engine.sKmCode = QString::fromLatin1(code);
        ASSERT_TRUE(r->engine.mxbyCode()) << code;
        ASSERT_GT(r->rows(), 0) << code;
        const QHash<QString, Currency> closing = checkArithmetic(*r);
        for (auto it = closing.begin(); it != closing.end(); ++it)
            EXPECT_EQ(it.value(), closingFromAccountSums(r->pub().database(), it.key(), 12)) << it.key().toStdString();
        for (int row = 0; row < r->rows(); ++row) {
            EXPECT_FALSE(r->cell(row, Balance).startsWith(u'-')) << "a balance shows its magnitude, row " << row;
            if (r->cell(row, Code) == QStringLiteral("112203"))
                directionsOf112203 << r->cell(row, Direction);
        }
    }
    EXPECT_TRUE(directionsOf112203.contains(r->pub().directionText(QStringLiteral("借"))));
    EXPECT_TRUE(directionsOf112203.contains(r->pub().directionText(QStringLiteral("贷"))));
}

TEST_P(DetailLedger, ForeignCurrencyAndQuantityColumnsRunLikeTheAmounts)
{
    auto r = rig();
    r->engine.sKmCode = QStringLiteral("100202"); // USD account
    ASSERT_TRUE(r->engine.mxbyCode());
    checkArithmetic(*r, BalanceForeign, DebitForeign, CreditForeign);
    bool sawRate = false;
    for (int row = 0; row < r->rows(); ++row)
        sawRate = sawRate || !r->cell(row, Rate).isEmpty();
    EXPECT_TRUE(sawRate);

    r->grid.setRows(0);
    r->engine.sKmCode = QStringLiteral("140301"); // steel, in tonnes
    ASSERT_TRUE(r->engine.mxbyCode());
    double quantity = 0;
    bool sawPrice = false;
    for (int row = 0; row < r->rows(); ++row) {
        const RowKind kind = kindOf(*r, row);
        const double sign = r->cell(row, Direction) == r->pub().directionText(QStringLiteral("贷")) ? -1 : 1;
        if (kind == RowKind::Opening)
            quantity = sign * quantityOf(r->cell(row, BalanceQuantity));
        if (kind == RowKind::Line) {
            quantity += quantityOf(r->cell(row, DebitQuantity)) - quantityOf(r->cell(row, CreditQuantity));
            EXPECT_NEAR(sign * quantityOf(r->cell(row, BalanceQuantity)), quantity, 0.006) << "row " << row;
            sawPrice = sawPrice || !r->cell(row, Price).isEmpty();
        }
    }
    EXPECT_TRUE(sawPrice);
}

TEST_P(DetailLedger, UnpostedVouchersAppearOnlyWhenIncludedMarkedAndColoured)
{
    auto r = rig();
    auto countUnposted = [&](int include) {
        r->grid.setRows(0);
        r->engine.bIncludeUnposted = quint8(include);
        r->engine.sKmCode = QStringLiteral("1");
        EXPECT_TRUE(r->engine.mxbyCode());
        int marked = 0;
        for (int row = 0; row < r->rows(); ++row)
            if (r->cell(row, Digest).startsWith(u'*')) {
                ++marked;
                EXPECT_EQ(r->grid.CellBackColor(row, 3), kmmx::Colours[3]);
                EXPECT_EQ(r->cell(row, Posted), QStringLiteral("0"));
            }
        return marked;
    };
    EXPECT_EQ(countUnposted(0), 0);
    EXPECT_GT(countUnposted(1), 0);
}

TEST_P(DetailLedger, PagesHoldFiftyNineThenFiftyEightRowsAndNoRowTwice)
{
    auto r = rig();
    r->engine.sKmCode = QStringLiteral("100201");
    r->engine.bPageLines = 0;
    ASSERT_TRUE(r->engine.mxbyCode());
    EXPECT_EQ(r->engine.bPageLines, 60);
    const QList<QStringList> table = r->tableRows();
    ASSERT_GT(table.size(), 200) << "the busy bank account should fill several pages";
    ASSERT_EQ(r->rows(), table.size());
    for (int row = 0; row < r->rows(); ++row)
        for (int column : {Voucher, Digest, Debit, Credit, Balance})
            ASSERT_EQ(r->cell(row, column), table[row][column]) << "row " << row;
    ASSERT_GE(r->pages.size(), 3);
    EXPECT_EQ(r->pages[0], 59);
    for (qsizetype i = 1; i + 1 < r->pages.size(); ++i)
        EXPECT_EQ(r->pages[i], 58) << "page " << i;
    EXPECT_LE(r->pages.last(), 58);
}

TEST_P(DetailLedger, APageIsShownByTheRegularStepOrByTheClosingCallAtItsEdges)
{
    auto r = rig();
    r->engine.sKmCode = QStringLiteral("1001");
    ASSERT_TRUE(r->engine.mxbyCode());
    const int n = r->rows();
    ASSERT_GT(n, 10);
    auto run = [&](int pageLines) {
        r->grid.setRows(0);
        r->pages.clear();
        r->engine.bPageLines = quint8(pageLines);
        EXPECT_TRUE(r->engine.mxbyCode());
        EXPECT_EQ(r->rows(), n);
        return r->pages;
    };
    EXPECT_EQ(run(n + 1), QList<int>{n});      // exactly a first page: the closing call adds nothing
    EXPECT_EQ(run(n + 2), QList<int>{n});      // shorter than a page: only the closing call shows it
    ASSERT_LE((n + 4) / 2, 255);
    if (n % 2 == 1) {
        EXPECT_EQ(run((n + 3) / 2), (QList<int>{(n + 1) / 2, (n - 1) / 2})); // two pages of p-1 and p-2 rows
    } else {
        const int p = (n + 2) / 2; // pages of p-1 and p-2 rows and one row left for the closing call
        EXPECT_EQ(run(p), (QList<int>{p - 1, p - 2, 1}));
    }
    const QList<int> small = run(3);
    EXPECT_EQ(small.first(), 2);
    for (qsizetype i = 1; i + 1 < small.size(); ++i)
        EXPECT_EQ(small[i], 1);
}

TEST_P(DetailLedger, AStopKeepsWhatWasWrittenAndShowsIt)
{
    auto r = rig();
    r->engine.sKmCode = QStringLiteral("100201");
    r->host.stopWhen = [&] { return r->host.polls >= 25; };
    ASSERT_TRUE(r->engine.mxbyCode());
    EXPECT_TRUE(r->engine.stoppedByUser());
    const QList<QStringList> table = r->tableRows();
    EXPECT_EQ(r->rows(), table.size());
    int lines = 0;
    for (int row = 0; row < r->rows(); ++row)
        lines += r->cell(row, Voucher).isEmpty() ? 0 : 1;
    EXPECT_EQ(lines, 25);
    checkArithmetic(*r);
}

TEST_P(DetailLedger, CounterpartsSplitALineWithoutChangingTheBalance)
{
    auto r = rig();
    r->engine.sKmCode = QStringLiteral("100201");
    ASSERT_TRUE(r->engine.mxbyCode());
    const QHash<QString, Currency> plain = checkArithmetic(*r);
    r->grid.setRows(0);
    r->engine.iShowEqual = 1;
    r->engine.iEqualWithName = 1;
    ASSERT_TRUE(r->engine.mxbyCode());
    EXPECT_EQ(checkArithmetic(*r), plain);
    int named = 0;
    for (int row = 0; row < r->rows(); ++row) {
        const QString counterpart = r->cell(row, Counterpart);
        if (!counterpart.isEmpty()) {
            ++named;
            EXPECT_TRUE(counterpart.contains(u'(') && counterpart.endsWith(u')')) << counterpart.toStdString();
        }
    }
    EXPECT_GT(named, 0);
}

TEST_P(DetailLedger, ByPeriodListsTheParentAsOneLedger)
{
    auto r = rig();
    r->engine.sKmCode = QStringLiteral("1002");
    ASSERT_TRUE(r->engine.mxbyPeriod());
    Currency balance;
    QString lastMonth;
    for (int row = 0; row < r->rows(); ++row) {
        if (kindOf(*r, row) == RowKind::Opening)
            balance = signedBalance(r->pub(), r->cell(row, Balance), r->cell(row, Direction));
        if (kindOf(*r, row) == RowKind::Line) {
            balance += amountOf(r->cell(row, Debit)) - amountOf(r->cell(row, Credit));
            EXPECT_EQ(signedBalance(r->pub(), r->cell(row, Balance), r->cell(row, Direction)), balance);
            EXPECT_GE(r->cell(row, Month), lastMonth);
            lastMonth = r->cell(row, Month);
        }
    }
    Currency children;
    for (const char *code : {"100200", "100201", "100202", "100203"})
        children += closingFromAccountSums(r->pub().database(), QString::fromLatin1(code), 12);
    EXPECT_EQ(balance, children);
    EXPECT_EQ(r->grid.ColAlignment(12), 1);
}

TEST_P(DetailLedger, ByPeriodOfAnEndAccountIsItsLedgerByCodeUnlessLinesStandUnderLongerCodes)
{
    auto r = std::make_unique<EngineRig>(openScratchDemoSession(GetParam()));
    r->engine.sKmCode = QStringLiteral("100201");
    ASSERT_TRUE(r->engine.mxbyCode());
    const QList<QStringList> byCode = lineRows(*r, false);
    r->grid.setRows(0);
    ASSERT_TRUE(r->engine.mxbyPeriod());
    const QList<QStringList> alone = lineRows(*r, true);
    ASSERT_GT(alone.size(), 100);
    EXPECT_EQ(alone, byCode);

    // A line kept under a code that begins with the account's, one the chart
    // does not list, early in March: the ledger by period merges it by date.
    ScratchVoucher stray;
    stray.period = 3;
    stray.date = QDate(2026, 3, 1);
    stray.lines = {{QStringLiteral("1002019"), QStringLiteral("未列科目"), Currency::fromUnits(70000)},
                   {QStringLiteral("6051"), QStringLiteral("未列科目"), {}, Currency::fromUnits(70000)}};
    addScratchVoucher(r->session->login->connection(), 2026, stray);
    r->grid.setRows(0);
    ASSERT_TRUE(r->engine.mxbyPeriod());
    const QList<QStringList> merged = lineRows(*r, true);
    ASSERT_EQ(merged.size(), alone.size() + 1);
    const auto found = std::find_if(merged.begin(), merged.end(),
                                    [](const QStringList &line) { return line[3].trimmed() == QStringLiteral("未列科目"); });
    ASSERT_NE(found, merged.end());
    EXPECT_EQ((*found)[0].toInt(), 3);
}

TEST_P(DetailLedger, RefusesWhatItCannotComputeWithTheRightMessage)
{
    auto r = rig();
    r->engine.sKmCode = QStringLiteral("9999");
    EXPECT_FALSE(r->engine.mxbyCode());
    ASSERT_FALSE(r->session->messages.messages().isEmpty());
    const MessageBoxRequest box = r->session->messages.messages().last();
    EXPECT_EQ(box.prompt, r->pub().text(QStringLiteral("R7.GL.QXMXZ.kmmx.00666")));
    EXPECT_EQ(box.title, r->pub().text(QStringLiteral("R7.GL.QXMXZ.kmmx.notesinfo")));
    EXPECT_EQ(box.buttons, 64);
    EXPECT_EQ(r->rows(), 0);

    r->engine.sKmCode = QStringLiteral("100201");
    r->engine.bBeginPeriod = 5;
    r->engine.bEndPeriod = 3;
    EXPECT_THROW(r->engine.mxbyCode(), Failure);
    r->engine.bBeginPeriod = 0;
    EXPECT_THROW(r->engine.mxbyCode(), Failure);
    r->engine.bBeginPeriod = 1;
    r->engine.sKmCode = QStringLiteral("10%");
    EXPECT_THROW(r->engine.mxbyCode(), Failure);
    r->engine.sKmCode = QStringLiteral("1001' or '1'='1");
    r->engine.bEndPeriod = 12;
    EXPECT_FALSE(r->engine.mxbyCode());
}

TEST_P(DetailLedger, AnAccountWithoutLinesStillShowsItsOpeningAndClosing)
{
    auto r = rig();
    r->engine.sKmCode = QStringLiteral("1601"); // fixed assets: an opening balance, few movements
    r->engine.bBeginPeriod = 12;
    r->engine.bEndPeriod = 12;
    ASSERT_TRUE(r->engine.mxbyCode());
    ASSERT_GE(r->rows(), 1);
    EXPECT_EQ(kindOf(*r, 0), RowKind::Opening);
    EXPECT_EQ(r->cell(0, Digest).trimmed(), r->pub().text(QStringLiteral("R7.GL.QXMXZ.yujmod.00812")).trimmed());
    checkArithmetic(*r);
}

INSTANTIATE_TEST_SUITE_P(Backends, DetailLedger, allBackends(), backendTestName);

// The general ledger on the demo company: heading, month rows against the
// voucher lines, parents against their children, unposted vouchers, the
// direction words, currencies and quantities, and refusals.
#include <gtest/gtest.h>

#include <QMap>
#include <QSet>

#include "GeneralLedgerRig.h"
#include "install/AccountingDatabase.h"
#include "platform/Failure.h"
#include "platform/outside/GlPublic.h"
#include "platform/sql/Connection.h"
#include "support/LedgerCells.h"
#include "support/Printers.h"
#include "support/ScratchSettings.h"
#include "support/TestDatabases.h"

using namespace qxmxz;
using namespace qxmxz::test;

namespace {

class GeneralLedger : public ::testing::TestWithParam<Backend> {
protected:
    std::unique_ptr<GeneralLedgerRig> rig() { return std::make_unique<GeneralLedgerRig>(openDemoSession(GetParam())); }
};

struct Movement {
    Currency debit, credit;
};

// Debit and credit of the valid lines under a code per period, from the lines themselves.
QMap<int, Movement> linesByPeriod(Connection &db, const QString &code, bool includeUnposted)
{
    QMap<int, Movement> periods;
    RecordSet rs = db.query(QStringLiteral("select iperiod, sum(md) as d, sum(mc) as c from GL_accvouch where iyear=2026"
                                           " and ccode like '%1%' and (iflag is null or iflag=2)%2 group by iperiod")
                                .arg(code, includeUnposted ? QString() : QStringLiteral(" and ibook=1")));
    for (; !rs.eof(); rs.moveNext())
        periods[rs.field(QStringLiteral("iperiod")).toInt()] = {Currency::fromVariant(rs.field(QStringLiteral("d"))),
                                                                 Currency::fromVariant(rs.field(QStringLiteral("c")))};
    return periods;
}

// The closing balance of the end accounts under a code in a period, from the account sums.
Currency closingOfEndAccounts(Connection &db, const QString &code, int period)
{
    RecordSet rs = db.query(QStringLiteral("select s.cendd_c, s.me from GL_accsum s join code c on c.iyear=s.iyear and c.ccode=s.ccode"
                                           " where s.iyear=2026 and s.iperiod=%1 and c.bend=1 and s.ccode like '%2%'")
                                .arg(period)
                                .arg(code));
    Currency total;
    for (; !rs.eof(); rs.moveNext()) {
        const Currency me = Currency::fromVariant(rs.field(QStringLiteral("me")));
        total += rs.text(QStringLiteral("cendd_c")) == QStringLiteral("贷") ? -me : me;
    }
    return total;
}

// Every month row moves the balance by its debit minus credit, the year to
// date adds the months up, and both rows of a month show the same balance.
void checkArithmetic(const GeneralLedgerRig &r, const char *code)
{
    const QList<GeneralLedgerRow> all = r.rows();
    ASSERT_FALSE(all.isEmpty()) << code;
    ASSERT_EQ(all.first().period, 0) << code << ": the ledger opens with its opening row";
    Currency balance = all.first().balance;
    const QList<GeneralLedgerRow> months = r.monthRows(), years = r.yearToDateRows();
    ASSERT_EQ(months.size(), years.size()) << code;
    for (qsizetype i = 0; i < months.size(); ++i) {
        balance += months[i].debit - months[i].credit;
        EXPECT_EQ(months[i].balance, balance) << code << " period " << months[i].period;
        EXPECT_EQ(years[i].balance, balance) << code << " period " << years[i].period;
        EXPECT_EQ(years[i].period, months[i].period) << code;
    }
}

} // namespace

TEST_P(GeneralLedger, TheHeadingHasFourteenColumnsUnderTwoRowsAndHidesWhatTheStyleDoesNotShow)
{
    ScratchSettings settings;
    auto r = rig();
    const QList<QList<int>> hidden{{4, 5, 7, 8, 11, 12}, {5, 8, 12}, {4, 7, 11}, {}};
    for (int style = 0; style < 4; ++style) {
        basGrwl::LayOutHeading(r->pub(), r->grid, QStringLiteral("GL0301"), style);
        ASSERT_EQ(r->grid.Cols(), basGrwl::ColumnCount);
        ASSERT_EQ(r->grid.Rows(), 2);
        EXPECT_EQ(r->grid.FixedRows(), 2);
        for (int j = 0; j < basGrwl::ColumnCount; ++j)
            EXPECT_EQ(r->grid.ColWidth(j) == 0, hidden[style].contains(j)) << "style " << style << " column " << j;
    }
    auto text = [&](const char *key) { return r->pub().text(QString::fromLatin1(key)); };
    EXPECT_EQ(r->grid.TextMatrix(0, 0), text("R7.GL.QXMXZ.basgrwl.year"));
    EXPECT_EQ(r->grid.TextMatrix(0, 1), text("R7.GL.QXMXZ.basgrwl.year"));
    EXPECT_EQ(r->grid.TextMatrix(1, 0), text("R7.GL.QXMXZ.basgrwl.month"));
    EXPECT_EQ(r->grid.TextMatrix(1, 1), text("R7.GL.QXMXZ.basgrwl.day"));
    for (int row : {0, 1}) {
        EXPECT_EQ(r->grid.TextMatrix(row, 2), text("R7.GL.QXMXZ.basgrwl.pzhs"));
        EXPECT_EQ(r->grid.TextMatrix(row, 3), text("R7.GL.QXMXZ.basgrwl.zy"));
        EXPECT_EQ(r->grid.TextMatrix(row, 10), text("R7.GL.QXMXZ.basgrwl.fx"));
    }
    const char *bands[] = {"R7.GL.QXMXZ.basgrwl.jf", "R7.GL.QXMXZ.basgrwl.df", "R7.GL.QXMXZ.basgrwl.ye"};
    const char *parts[] = {"R7.GL.QXMXZ.basgrwl.amount", "R7.GL.QXMXZ.basgrwl.wb", "R7.GL.QXMXZ.basgrwl.cashamount"};
    for (int band = 0; band < 3; ++band) {
        const int first = band == 2 ? 11 : 4 + 3 * band;
        for (int k = 0; k < 3; ++k) {
            EXPECT_EQ(r->grid.TextMatrix(0, first + k), text(bands[band]));
            EXPECT_EQ(r->grid.TextMatrix(1, first + k), text(parts[k]));
        }
    }
    EXPECT_THROW(basGrwl::LayOutHeading(r->pub(), r->grid, QStringLiteral("GL0301"), 4), Failure);

    // Widths the user saved for a style come back; hidden columns stay hidden.
    QList<int> saved;
    for (int j = 0; j < basGrwl::ColumnCount; ++j)
        saved << 1000 + j;
    r->pub().saveColumnWidths(QStringLiteral("GL0301"), 1, saved, {});
    basGrwl::LayOutHeading(r->pub(), r->grid, QStringLiteral("GL0301"), 1);
    EXPECT_EQ(r->grid.ColWidth(3), 1003);
    EXPECT_EQ(r->grid.ColWidth(5), 0);
}

TEST_P(GeneralLedger, MonthRowsAreTheLinesOfTheMonthAndTheBalanceRunsToTheBooks)
{
    auto r = rig();
    for (const char *code : {"100201", "1122", "2221", "1002", "1601"}) {
        const QString account = QString::fromLatin1(code);
        r->fill(account);
        checkArithmetic(*r, code);
        const QMap<int, Movement> lines = linesByPeriod(r->pub().database(), account, false);
        const QList<GeneralLedgerRow> months = r->monthRows();
        ASSERT_EQ(months.size(), 12) << code << ": every period of the year has its rows";
        Movement year;
        for (const GeneralLedgerRow &m : months) {
            const Movement expected = lines.value(m.period);
            EXPECT_EQ(m.debit, expected.debit) << code << " period " << m.period;
            EXPECT_EQ(m.credit, expected.credit) << code << " period " << m.period;
            EXPECT_EQ(m.balance, closingOfEndAccounts(r->pub().database(), account, m.period)) << code << " period " << m.period;
            year.debit += expected.debit;
            year.credit += expected.credit;
        }
        const GeneralLedgerRow december = r->yearToDateRows().last();
        EXPECT_EQ(december.debit, year.debit) << code;
        EXPECT_EQ(december.credit, year.credit) << code;
    }
}

TEST_P(GeneralLedger, AParentIsTheSumOfItsChildren)
{
    auto r = rig();
    const QStringList children{QStringLiteral("222101"), QStringLiteral("222102"), QStringLiteral("222103")};
    QMap<int, Movement> sum;
    QMap<int, Currency> balances;
    for (const QString &child : children) {
        r->fill(child);
        for (const GeneralLedgerRow &m : r->monthRows()) {
            sum[m.period].debit += m.debit;
            sum[m.period].credit += m.credit;
            balances[m.period] += m.balance;
        }
    }
    r->fill(QStringLiteral("2221"));
    for (const GeneralLedgerRow &m : r->monthRows()) {
        EXPECT_EQ(m.debit, sum[m.period].debit) << "period " << m.period;
        EXPECT_EQ(m.credit, sum[m.period].credit) << "period " << m.period;
        EXPECT_EQ(m.balance, balances[m.period]) << "period " << m.period;
    }
}

TEST_P(GeneralLedger, UnpostedVouchersCountOnlyWhenIncluded)
{
    auto r = rig();
    const QString account = QStringLiteral("100201");
    const QMap<int, Movement> posted = linesByPeriod(r->pub().database(), account, false);
    const QMap<int, Movement> all = linesByPeriod(r->pub().database(), account, true);
    ASSERT_NE(posted.value(11).credit, all.value(11).credit) << "the demo leaves a payment of November unposted";
    for (bool include : {false, true}) {
        r->fill(account, 0, include);
        checkArithmetic(*r, "100201");
        const QMap<int, Movement> &expected = include ? all : posted;
        for (const GeneralLedgerRow &m : r->monthRows()) {
            EXPECT_EQ(m.debit, expected.value(m.period).debit) << "period " << m.period << " include " << include;
            EXPECT_EQ(m.credit, expected.value(m.period).credit) << "period " << m.period << " include " << include;
        }
    }
    // From a later period the opening carries the unposted lines before it.
    r->fill(account, 0, true, 12, 12);
    const GeneralLedgerRow opening = r->rows().first();
    r->fill(account, 0, true);
    EXPECT_EQ(opening.balance, r->monthRows()[10].balance);
    r->fill(account, 0, false);
    EXPECT_NE(opening.balance, r->monthRows()[10].balance);
}

TEST_P(GeneralLedger, APeriodRangeOpensWithTheBalanceBroughtForward)
{
    auto r = rig();
    r->fill(QStringLiteral("1122"));
    const QList<GeneralLedgerRow> year = r->rows();
    EXPECT_EQ(year.first().summary, r->pub().text(QStringLiteral("R7.GL.QXMXZ.basgrwl.qcye")));
    const QList<GeneralLedgerRow> fullMonths = r->monthRows(), fullYears = r->yearToDateRows();

    r->fill(QStringLiteral("1122"), 0, false, 3, 5);
    const QList<GeneralLedgerRow> part = r->rows();
    EXPECT_EQ(part.first().summary, r->pub().text(QStringLiteral("R7.GL.QXMXZ.basgrwl.00393")));
    EXPECT_EQ(part.first().balance, fullMonths[1].balance);
    const QList<GeneralLedgerRow> months = r->monthRows(), years = r->yearToDateRows();
    ASSERT_EQ(months.size(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(months[i].period, i + 3);
        EXPECT_EQ(months[i].debit, fullMonths[i + 2].debit);
        EXPECT_EQ(months[i].balance, fullMonths[i + 2].balance);
        EXPECT_EQ(years[i].debit, fullYears[i + 2].debit) << "the year to date counts from period 1";
        EXPECT_EQ(years[i].credit, fullYears[i + 2].credit);
    }
}

TEST_P(GeneralLedger, TheDirectionWordsFollowTheDirectionSetting)
{
    auto scratch = openScratchDemoSession(GetParam());
    std::shared_ptr<Connection> connection = scratch->login->sharedConnection();
    auto directions = [&](const QString &user) {
        GeneralLedgerRig r(openSession(connection, user));
        QSet<QString> words;
        for (const char *code : {"100201", "2202", "6001"}) {
            r.fill(QString::fromLatin1(code));
            for (const GeneralLedgerRow &row : r.rows())
                words << row.direction;
        }
        return words;
    };
    EXPECT_EQ(directions(QStringLiteral("demo")), (QSet<QString>{QStringLiteral("借"), QStringLiteral("贷"), QStringLiteral("平")}));
    connection->execute(QStringLiteral("update gl_options set cvalue='1' where cname='DirectionStyle'"));
    EXPECT_EQ(directions(QStringLiteral("demo")), (QSet<QString>{QStringLiteral("Dr"), QStringLiteral("Cr"), QStringLiteral("-")}));
}

TEST_P(GeneralLedger, AParentInAForeignStyleListsItsCurrencies)
{
    auto r = rig();
    r->fill(QStringLiteral("100202"), 2);
    EXPECT_EQ(r->currencyLabel.text(), QStringLiteral("美元"));
    QMap<int, GeneralLedgerRow> dollars;
    for (const GeneralLedgerRow &m : r->monthRows())
        dollars[m.period] = m;
    const Currency dollarOpening = r->rows().first().balanceForeign;
    ASSERT_FALSE(dollarOpening.isZero());

    r->fill(QStringLiteral("1002"), 2);
    EXPECT_TRUE(r->currencyLabel.text().isEmpty());
    const QList<GeneralLedgerRow> rows = r->rows();
    int dollarRows = 0;
    for (qsizetype i = 0; i < rows.size(); ++i) {
        if (rows[i].summary != QStringLiteral("  美元"))
            continue;
        ++dollarRows;
        // A currency row follows its account row (or another currency row).
        qsizetype owner = i - 1;
        while (rows[owner].summary.startsWith(u' '))
            --owner;
        if (owner == 0) {
            EXPECT_EQ(rows[i].balanceForeign, dollarOpening);
        } else if (rows[owner].summary == r->pub().monthTotalText(rows[i].period)) {
            EXPECT_EQ(rows[i].debitForeign, dollars[rows[i].period].debitForeign) << "period " << rows[i].period;
            EXPECT_EQ(rows[i].creditForeign, dollars[rows[i].period].creditForeign) << "period " << rows[i].period;
            EXPECT_EQ(rows[i].balanceForeign, dollars[rows[i].period].balanceForeign) << "period " << rows[i].period;
            EXPECT_EQ(rows[i].debit, dollars[rows[i].period].debit) << "period " << rows[i].period;
        }
        EXPECT_TRUE(rows[owner].balanceForeign.isZero()) << "the parent keeps no currency of its own";
    }
    EXPECT_EQ(dollarRows, 1 + 2 * 12);

    r->fill(QStringLiteral("1002"), 0);
    for (const GeneralLedgerRow &row : r->rows())
        EXPECT_FALSE(row.summary.startsWith(u' ')) << "no currency rows in the amount style";
}

TEST_P(GeneralLedger, QuantitiesRunInTheQuantityStyles)
{
    auto r = rig();
    r->fill(QStringLiteral("140301"), 1);
    EXPECT_FALSE(r->unitLabel.text().isEmpty());
    const QList<GeneralLedgerRow> rows = r->rows();
    double quantity = rows.first().balanceQuantity;
    bool moved = false;
    for (const GeneralLedgerRow &m : r->monthRows()) {
        quantity += m.debitQuantity - m.creditQuantity;
        moved = moved || m.debitQuantity != 0;
        EXPECT_NEAR(m.balanceQuantity, quantity, 0.006) << "period " << m.period;
    }
    EXPECT_TRUE(moved);
    r->fill(QStringLiteral("140301"), 0);
    EXPECT_TRUE(r->unitLabel.text().isEmpty());
}

TEST_P(GeneralLedger, RefusesUnknownAccountsBadPeriodsAndOtherKinds)
{
    auto r = rig();
    auto keyOf = [&](const basGrwl::Request &request) {
        try {
            basGrwl::FillRows(r->pub(), r->grid, request);
        } catch (const Failure &failure) {
            return failure.key().isEmpty() ? QStringLiteral("failure") : failure.key();
        }
        return QString();
    };
    basGrwl::Request request;
    request.code = QStringLiteral("9999");
    EXPECT_EQ(keyOf(request), QStringLiteral("QXMXZ.cli.unknownaccount"));
    request.code = QStringLiteral("1002");
    request.firstPeriod = 5;
    request.lastPeriod = 3;
    EXPECT_EQ(keyOf(request), QStringLiteral("QXMXZ.cli.reversedperiods"));
    request.firstPeriod = 1;
    request.lastPeriod = 13;
    EXPECT_EQ(keyOf(request), QStringLiteral("QXMXZ.cli.badperiod"));
    request.lastPeriod = 12;
    request.kind = 3;
    EXPECT_EQ(keyOf(request), QStringLiteral("failure"));
    request.kind = basGrwl::AccountKind;
    EXPECT_EQ(keyOf(request), QString());
}

INSTANTIATE_TEST_SUITE_P(Backends, GeneralLedger, bothBackends(), backendTestName);

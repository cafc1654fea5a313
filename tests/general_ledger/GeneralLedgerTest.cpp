// The general ledger on the demo company: heading, period ranges and their
// opening, unposted vouchers, the direction words, currencies and quantities,
// and refusals. Its figures against the other ledgers: LedgerAgreementTest.
#include <gtest/gtest.h>

#include <QMap>
#include <QSet>

#include "GeneralLedgerRig.h"
#include "platform/Failure.h"
#include "platform/outside/GlPublic.h"
#include "platform/sql/Connection.h"
#include "support/Printers.h"
#include "support/ScratchSettings.h"
#include "support/TestDatabases.h"

using namespace qxmxz;
using namespace qxmxz::test;

namespace {

class GeneralLedger : public test::BackendTest {
protected:
    std::unique_ptr<GeneralLedgerRig> rig() { return std::make_unique<GeneralLedgerRig>(openDemoSession(GetParam())); }
};

} // namespace

TEST_P(GeneralLedger, TheHeadingHasFourteenColumnsUnderTwoRowsAndHidesWhatTheStyleDoesNotShow)
{
    ScratchSettings settings;
    auto r = rig();
    const QList<QList<int>> hidden{{4, 5, 7, 8, 11, 12}, {5, 8, 12}, {4, 7, 11}, {}};
    for (int style = 0; style < 4; ++style) {
        basGrwl::LayOutHeading(r->pub(), r->grid, QStringLiteral("GL0301"), style);
        ASSERT_EQ(r->grid.Cols(), 14);
        ASSERT_EQ(r->grid.Rows(), 2);
        EXPECT_EQ(r->grid.FixedRows(), 2);
        for (int j = 0; j < 14; ++j)
            EXPECT_EQ(r->grid.ColWidth(j) == 0, hidden[style].contains(j)) << "style " << style << " column " << j;
    }
    EXPECT_THROW(basGrwl::LayOutHeading(r->pub(), r->grid, QStringLiteral("GL0301"), 4), Failure);

    // Widths the user saved for a style come back; hidden columns stay hidden.
    QList<int> saved;
    for (int j = 0; j < 14; ++j)
        saved << 1000 + j;
    r->pub().saveColumnWidths(QStringLiteral("GL0301"), 1, saved, {});
    basGrwl::LayOutHeading(r->pub(), r->grid, QStringLiteral("GL0301"), 1);
    EXPECT_EQ(r->grid.ColWidth(3), 1003);
    EXPECT_EQ(r->grid.ColWidth(5), 0);
}

TEST_P(GeneralLedger, APeriodRangeOpensWithTheBalanceBroughtForwardUnpostedLinesIncludedOnRequest)
{
    auto r = rig();
    QList<Currency> decemberOpenings;
    for (bool include : {false, true}) {
        SCOPED_TRACE(include ? "with unposted vouchers" : "posted only");
        r->fill(QStringLiteral("100201"), 0, include);
        EXPECT_EQ(r->rows().first().summary, r->pub().text(QStringLiteral("R7.GL.QXMXZ.basgrwl.qcye")));
        const QList<GeneralLedgerRow> fullMonths = r->monthRows(), fullYears = r->yearToDateRows();
        ASSERT_EQ(fullMonths.size(), 12);

        r->fill(QStringLiteral("100201"), 0, include, 10, 12);
        EXPECT_EQ(r->rows().first().summary, r->pub().text(QStringLiteral("R7.GL.QXMXZ.basgrwl.00393")));
        EXPECT_EQ(r->rows().first().balance, fullMonths[8].balance);
        const QList<GeneralLedgerRow> months = r->monthRows(), years = r->yearToDateRows();
        ASSERT_EQ(months.size(), 3);
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(months[i].period, i + 10);
            EXPECT_EQ(months[i].debit, fullMonths[i + 9].debit);
            EXPECT_EQ(months[i].credit, fullMonths[i + 9].credit);
            EXPECT_EQ(months[i].balance, fullMonths[i + 9].balance);
            EXPECT_EQ(years[i].debit, fullYears[i + 9].debit) << "the year to date counts from period 1";
            EXPECT_EQ(years[i].credit, fullYears[i + 9].credit);
        }
        r->fill(QStringLiteral("100201"), 0, include, 12, 12);
        decemberOpenings << r->rows().first().balance;
        EXPECT_EQ(decemberOpenings.last(), fullMonths[10].balance);
    }
    EXPECT_NE(decemberOpenings[0], decemberOpenings[1]) << "the demo leaves a payment of November unposted";
}

TEST_P(GeneralLedger, TheDirectionWordsFollowTheDirectionSetting)
{
    auto scratch = openScratchDemoSession(GetParam());
    std::shared_ptr<Connection> connection = scratch->login->sharedConnection();
    auto directions = [&] {
        GeneralLedgerRig r(openSession(connection, QStringLiteral("demo")));
        QSet<QString> words;
        for (const char *code : {"100201", "2202", "6001"}) {
            r.fill(QString::fromLatin1(code));
            for (const GeneralLedgerRow &row : r.rows())
                words << row.direction;
        }
        return words;
    };
    EXPECT_EQ(directions(), (QSet<QString>{QStringLiteral("借"), QStringLiteral("贷"), QStringLiteral("平")}));
    connection->execute(QStringLiteral("update gl_options set cvalue='1' where cname='DirectionStyle'"));
    EXPECT_EQ(directions(), (QSet<QString>{QStringLiteral("Dr"), QStringLiteral("Cr"), QStringLiteral("-")}));
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
        qsizetype owner = i - 1; // the account row the currency rows follow
        while (rows[owner].summary.startsWith(u' '))
            --owner;
        EXPECT_TRUE(rows[owner].balanceForeign.isZero()) << "the parent keeps no currency of its own";
        if (owner == 0) {
            EXPECT_EQ(rows[i].balanceForeign, dollarOpening);
        } else if (rows[owner].summary == r->pub().monthTotalText(rows[i].period)) {
            const GeneralLedgerRow &own = dollars[rows[i].period];
            EXPECT_EQ(rows[i].debitForeign, own.debitForeign) << "period " << rows[i].period;
            EXPECT_EQ(rows[i].creditForeign, own.creditForeign) << "period " << rows[i].period;
            EXPECT_EQ(rows[i].balanceForeign, own.balanceForeign) << "period " << rows[i].period;
        }
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
    double quantity = r->rows().first().balanceQuantity;
    bool moved = false;
    for (const GeneralLedgerRow &m : r->monthRows()) {
        quantity += m.debitQuantity - m.creditQuantity;
        moved = moved || m.debitQuantity != 0;
        EXPECT_NEAR(m.balanceQuantity, quantity, 0.006) << "period " << m.period;
    }
    EXPECT_TRUE(moved);
}

TEST_P(GeneralLedger, RefusesUnknownAccountsBadPeriodsAndOtherKinds)
{
    auto r = rig();
    // The period checks are those every ledger shares; one reversed range shows they are made here.
    const QList<std::tuple<const char *, int, int, QString>> cases{
        {"9999", 12, basGrwl::AccountKind, QStringLiteral("QXMXZ.cli.unknownaccount")},
        {"1002", 3, basGrwl::AccountKind, QStringLiteral("QXMXZ.cli.reversedperiods")},
        {"1002", 12, 3, QString()},
    };
    for (const auto &[code, last, kind, key] : cases) {
        basGrwl::Request request;
        request.code = QString::fromLatin1(code);
        request.firstPeriod = 5;
        request.lastPeriod = last;
        request.kind = kind;
        try {
            basGrwl::FillRows(r->pub(), r->grid, request);
            ADD_FAILURE() << code << " to " << last << " kind " << kind << " was accepted";
        } catch (const Failure &failure) {
            EXPECT_EQ(failure.key(), key) << code;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Backends, GeneralLedger, allBackends(), backendTestName);

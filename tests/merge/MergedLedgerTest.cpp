// The merged ledger on the demo company: its arithmetic, its rows against the
// voucher lines, unposted vouchers, the batch transfer to the grid and a stop.
#include <gtest/gtest.h>

#include <QMap>

#include "MergeRig.h"
#include "platform/Failure.h"
#include "platform/sql/Connection.h"
#include "services/GridColours.h"
#include "support/Printers.h"
#include "support/TestDatabases.h"

using namespace qxmxz;
using namespace qxmxz::test;

namespace {

class MergedLedger : public test::BackendTest {
protected:
    std::unique_ptr<MergeRig> rig() { return std::make_unique<MergeRig>(openDemoSession(GetParam())); }
};

struct Movement {
    Currency debit, credit;
};

struct Walk {
    int voucherRows = 0;
    Movement all;
    QMap<int, Movement> cumulative; // cumulative rows by period
    QMap<int, Currency> balances;   // balance after each period
};

// Walks a merged ledger of one account: every voucher row is one side only
// and moves the balance by debit minus credit; a period total adds up the
// rows since the last one; a cumulative row adds up the period totals; the
// balance shown agrees everywhere.
Walk walk(MergeRig &r)
{
    Walk w;
    Currency balance;
    Movement pending, running;
    for (int row = 0; row < r.rows(); ++row) {
        const Currency shown = signedBalance(r.pub(), r.cell(row, Balance), r.cell(row, Direction));
        const Currency debit = amountOf(r.cell(row, Debit)), credit = amountOf(r.cell(row, Credit));
        const int period = r.cell(row, Month).toInt();
        switch (kindOf(r, row)) {
        case MergedRow::Opening:
            if (!r.cell(row, Digest).startsWith(u' '))
                balance = shown;
            break;
        case MergedRow::Voucher:
            ++w.voucherRows;
            EXPECT_NE(debit.isZero(), credit.isZero()) << "row " << row << " is one side only";
            balance += debit - credit;
            pending = {pending.debit + debit, pending.credit + credit};
            w.all = {w.all.debit + debit, w.all.credit + credit};
            EXPECT_EQ(shown, balance) << "row " << row;
            break;
        case MergedRow::PeriodTotal:
            EXPECT_EQ(debit, pending.debit) << "period total, row " << row;
            EXPECT_EQ(credit, pending.credit) << "period total, row " << row;
            EXPECT_EQ(shown, balance) << "period total, row " << row;
            running = {running.debit + debit, running.credit + credit};
            w.balances[period] = balance;
            pending = {};
            break;
        case MergedRow::Cumulative:
            EXPECT_EQ(debit, running.debit) << "cumulative, row " << row;
            EXPECT_EQ(credit, running.credit) << "cumulative, row " << row;
            EXPECT_EQ(shown, balance) << "cumulative, row " << row;
            w.cumulative[period] = running;
            break;
        case MergedRow::CurrencyTotal:
            break;
        case MergedRow::Other:
            ADD_FAILURE() << "unexpected row " << row << ": " << r.cell(row, Digest).toStdString();
        }
    }
    EXPECT_EQ(w.balances.keys(), w.cumulative.keys()) << "each period total has its cumulative row";
    return w;
}

QString validLines(const QString &code, bool includeUnposted)
{
    return QStringLiteral(" from GL_accvouch where iyear=2026 and ccode like '%1%' and (iflag is null or iflag=2)%2")
        .arg(code, includeUnposted ? QString() : QStringLiteral(" and ibook=1"));
}

Movement booksMovement(Connection &db, const QString &code, int first, int last, bool includeUnposted)
{
    RecordSet rs = db.query(QStringLiteral("select sum(md) as d, sum(mc) as c") + validLines(code, includeUnposted)
                            + QStringLiteral(" and iperiod>=%1 and iperiod<=%2").arg(first).arg(last));
    return {rs.money(QStringLiteral("d")), rs.money(QStringLiteral("c"))};
}

// Groups a merged ledger must show: distinct (voucher, key, currency, side)
// where the key is the summary or the account code.
int expectedGroups(Connection &db, const QString &code, const QString &key, bool includeUnposted)
{
    const QString side = QStringLiteral("select distinct ccode,iperiod,isignseq,ino_id,%1 as k,cexch_name,'%2' as side")
                         + validLines(code, includeUnposted) + QStringLiteral(" and %3<>0");
    RecordSet rs = db.query(QStringLiteral("select count(*) as n from (%1 union %2) t")
                                .arg(side.arg(key, QStringLiteral("d"), QStringLiteral("md")),
                                     side.arg(key, QStringLiteral("c"), QStringLiteral("mc"))));
    return rs.field(QStringLiteral("n")).toInt();
}

} // namespace

TEST_P(MergedLedger, RowsRunTheBalanceAndAddUpToTheBooksInBothModes)
{
    auto r = rig();
    for (const char *code : {"100201", "1122", "2221"}) {
        const QString account = QString::fromLatin1(code);
        r->query(account, clsMxzHb::enuCodeDigest);
        const Walk byDigest = walk(*r);
        r->query(account, clsMxzHb::enuKmCode);
        const Walk byCode = walk(*r);
        const Movement books = booksMovement(r->pub().database(), account, 1, 12, false);
        EXPECT_EQ(byDigest.all.debit, books.debit) << code;
        EXPECT_EQ(byDigest.all.credit, books.credit) << code;
        EXPECT_FALSE(byDigest.balances.isEmpty()) << code;
        EXPECT_EQ(byDigest.balances, byCode.balances) << code;
        EXPECT_EQ(byDigest.voucherRows, expectedGroups(r->pub().database(), account, QStringLiteral("cdigest"), false)) << code;
        EXPECT_EQ(byCode.voucherRows, expectedGroups(r->pub().database(), account, QStringLiteral("ccode"), false)) << code;
    }

    // A period range starts from the balance brought forward.
    r->hb.iStart = 4;
    r->hb.iEnd = 6;
    r->query(QStringLiteral("100201"), clsMxzHb::enuCodeDigest);
    ASSERT_GT(r->rows(), 0);
    EXPECT_EQ(r->cell(0, Digest), r->pub().text(QStringLiteral("R7.GL.QXMXZ.yujmod.00812")));
    const Walk range = walk(*r);
    EXPECT_EQ(range.balances.keys(), (QList<int>{4, 5, 6}));
    const Movement books = booksMovement(r->pub().database(), QStringLiteral("100201"), 4, 6, false);
    EXPECT_EQ(range.cumulative[6].debit, books.debit);
    EXPECT_EQ(range.cumulative[6].credit, books.credit);
}

TEST_P(MergedLedger, UnpostedVouchersOnlyWithIncludeMarkedAndColoured)
{
    auto r = rig();
    for (bool include : {false, true}) {
        r->hb.setInclude(include);
        r->query(QStringLiteral("1"), clsMxzHb::enuCodeDigest);
        int unposted = 0;
        const QList<QStringList> table = r->tableRows();
        for (int row = 0; row < r->rows(); ++row) {
            const bool posted = table[row][Posted] != u"0";
            unposted += posted ? 0 : 1;
            if (kindOf(*r, row) == MergedRow::Voucher) {
                EXPECT_EQ(r->cell(row, Digest).startsWith(u'*'), !posted) << "row " << row;
            }
            EXPECT_EQ(r->grid.CellBackColor(row, Digest), posted ? noColor : UnpostedRowColour) << "row " << row;
        }
        EXPECT_EQ(unposted > 0, include);
        const Walk w = walk(*r);
        const Movement books = booksMovement(r->pub().database(), QStringLiteral("1"), 1, 12, include);
        EXPECT_EQ(w.all.debit, books.debit) << include;
        EXPECT_EQ(w.all.credit, books.credit) << include;
        EXPECT_EQ(w.voucherRows, expectedGroups(r->pub().database(), QStringLiteral("1"), QStringLiteral("cdigest"), include));
    }
}

TEST_P(MergedLedger, RowsReachTheGridInBatchesWhileTheQueryRuns)
{
    auto r = rig();
    r->hb.iOnePageNum = 25;
    r->query(QStringLiteral("100201"), clsMxzHb::enuCodeDigest);
    const QList<QStringList> table = r->tableRows();
    ASSERT_GT(table.size(), 100);
    ASSERT_EQ(r->rows(), table.size());
    EXPECT_EQ(r->hb.lngEndRecord, table.size());
    ASSERT_GT(r->batches.size(), 3);
    for (qsizetype i = 0; i + 1 < r->batches.size(); ++i)
        EXPECT_EQ(r->batches[i], 25) << "batch " << i;
    EXPECT_LE(r->batches.last(), 25);
    for (int row = 0; row < r->rows(); ++row)
        for (int column : {Voucher, Digest, Debit, Credit, Balance})
            ASSERT_EQ(r->cell(row, column), table[row][column]) << "row " << row;
    // The query leaves the account's last period with postings on the object.
    EXPECT_GT(r->hb.iMaxFsMonth, 0);
    EXPECT_EQ(r->hb.iMaxFsMonth, r->pub().lastPeriodWithPostings(QStringLiteral("100201")));
    // The table numbers its rows in the order they were written.
    for (qsizetype row = 0; row < table.size(); ++row)
        ASSERT_EQ(table[row].last(), QString::number(row + 1)) << "row " << row;
    EXPECT_TRUE(r->header.isEnabled());
    EXPECT_FALSE(r->stop.isEnabled());

    // Without a batch size the page of lines is the batch.
    r->hb.iOnePageNum = 0;
    r->query(QStringLiteral("100201"), clsMxzHb::enuCodeDigest);
    EXPECT_EQ(r->batches.first(), r->hb.iLinesEachPage);
}

TEST_P(MergedLedger, AStopBeforeAVoucherKeepsWhatWasWrittenAndShowsIt)
{
    auto r = rig();
    int groups = 0;
    QObject::connect(&r->hint, &HintState::refreshed, &r->hint, [&](const QString &) {
        if (++groups == 40)
            r->form.setProperty("bUserStop", true);
    });
    bool stopEnabledDuringRun = false;
    QObject::connect(&r->grid, &GridModel::rowsInserted, &r->grid,
                     [&] { stopEnabledDuringRun = stopEnabledDuringRun || r->stop.isEnabled(); });
    r->hb.iOnePageNum = 10;
    r->query(QStringLiteral("100201"), clsMxzHb::enuCodeDigest);
    EXPECT_TRUE(r->hb.stoppedByUser());
    EXPECT_TRUE(stopEnabledDuringRun);
    EXPECT_EQ(r->rows(), r->tableRows().size());
    ASSERT_GT(r->rows(), 0);
    EXPECT_EQ(kindOf(*r, r->rows() - 1), MergedRow::Voucher) << "no subtotal after a stop";
    const Walk w = walk(*r);
    EXPECT_GE(w.voucherRows, 39); // the hint counts the wait text and each voucher
    EXPECT_LT(w.voucherRows, 60);
}

// The vouchers are read on a second connection: a statement the database
// refuses there ends the query with the statement named, and the window's
// header and stop button are left as after any query.
TEST_P(MergedLedger, AVoucherListTheDatabaseRefusesEndsTheQueryWithTheStatementNamed)
{
    auto session = openScratchDemoSession(GetParam());
    session->login->connection().execute(QStringLiteral("ALTER TABLE GL_accvouch RENAME COLUMN csign TO csign_gone"));
    MergeRig r(std::move(session));
    try {
        r.query(QStringLiteral("100201"), clsMxzHb::enuCodeDigest);
        ADD_FAILURE() << "the query did not fail";
    } catch (const Failure &failure) {
        EXPECT_TRUE(failure.detail().contains(QStringLiteral("csign"))) << failure.detail().toStdString();
    }
    EXPECT_TRUE(r.header.isEnabled());
    EXPECT_FALSE(r.stop.isEnabled());
}

INSTANTIATE_TEST_SUITE_P(Backends, MergedLedger, allBackends(), backendTestName);

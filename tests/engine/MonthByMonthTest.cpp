#include <gtest/gtest.h>

#include <QHash>

#include "EngineRig.h"
#include "platform/sql/Connection.h"
#include "support/Printers.h"
#include "support/TestDatabases.h"

using namespace qxmxz;
using namespace qxmxz::test;

namespace {

class MonthByMonth : public test::BackendTest {};

struct Figures {
    Currency debit, credit, balance;
};

} // namespace

TEST_P(MonthByMonth, AncestorRowsSumTheirEndAccountsMonthByMonth)
{
    EngineRig r(openDemoSession(GetParam()));
    r.engine.sBeginCode = QStringLiteral("2221");
    r.engine.sEndCode = QStringLiteral("2221");
    r.engine.bBeginPeriod = 1;
    r.engine.bEndPeriod = 6;
    r.host.firstGrade = 1;
    ASSERT_TRUE(r.engine.mxAllMonth());
    ASSERT_GT(r.rows(), 0);

    const QString monthTotal = r.pub().text(QStringLiteral("R7.GL.QXMXZ.kmmx.yje"));
    // (code, month) → the month total row's figures
    QHash<QString, Figures> totals;
    QString previousCode;
    QStringList codes;
    for (int row = 0; row < r.rows(); ++row) {
        const QString code = r.cell(row, Code);
        if (code != previousCode) {
            ASSERT_FALSE(codes.contains(code)) << "rows of " << code.toStdString() << " are not together";
            codes << code;
            previousCode = code;
        }
        if (r.cell(row, Digest).endsWith(monthTotal))
            totals.insert(code + u'|' + r.cell(row, Month),
                          {amountOf(r.cell(row, Debit)), amountOf(r.cell(row, Credit)),
                           signedBalance(r.pub(), r.cell(row, Balance), r.cell(row, Direction))});
    }
    EXPECT_TRUE(codes.contains(QStringLiteral("2221")));
    EXPECT_TRUE(codes.contains(QStringLiteral("222101")));
    EXPECT_FALSE(codes.isEmpty() || codes.first() != QStringLiteral("2221")) << "the ancestor reads first";

    const QStringList leaves{QStringLiteral("22210101"), QStringLiteral("22210102"), QStringLiteral("22210103"),
                             QStringLiteral("222102"), QStringLiteral("222103")};
    for (int month = 1; month <= 6; ++month) {
        const QString m = QStringLiteral("%1").arg(month, 2, 10, QLatin1Char('0'));
        Figures sum;
        Figures vat;
        for (const QString &leaf : leaves) {
            const Figures f = totals.value(leaf + u'|' + m);
            sum.debit += f.debit;
            sum.credit += f.credit;
            sum.balance += f.balance;
            if (leaf.startsWith(QStringLiteral("222101"))) {
                vat.debit += f.debit;
                vat.credit += f.credit;
                vat.balance += f.balance;
            }
        }
        const Figures top = totals.value(QStringLiteral("2221|") + m);
        EXPECT_EQ(top.debit, sum.debit) << "month " << month;
        EXPECT_EQ(top.credit, sum.credit) << "month " << month;
        EXPECT_EQ(top.balance, sum.balance) << "month " << month;
        const Figures middle = totals.value(QStringLiteral("222101|") + m);
        EXPECT_EQ(middle.debit, vat.debit) << "month " << month;
        EXPECT_EQ(middle.balance, vat.balance) << "month " << month;
    }
}

TEST_P(MonthByMonth, EachAccountShowsOpeningLinesAndTotalsForEveryPeriod)
{
    EngineRig r(openDemoSession(GetParam()));
    r.engine.sBeginCode = QStringLiteral("100201");
    r.engine.sEndCode = QStringLiteral("100201");
    r.engine.bBeginPeriod = 1;
    r.engine.bEndPeriod = 3;
    ASSERT_TRUE(r.engine.mxAllMonth());
    const QString carried = r.pub().text(QStringLiteral("R7.GL.QXMXZ.kmmx.snjz"));
    const QString opening = r.pub().text(QStringLiteral("R7.GL.QXMXZ.kmmx.qcye"));
    QStringList openings;
    Currency balance;
    bool first = true;
    for (int row = 0; row < r.rows(); ++row) {
        if (r.cell(row, Code) != QStringLiteral("100201"))
            continue; // the rows of the ancestor 1002
        const QString digest = r.cell(row, Digest);
        if (digest == carried || digest == opening) {
            openings << r.cell(row, Month) + u':' + digest;
            const Currency shown = signedBalance(r.pub(), r.cell(row, Balance), r.cell(row, Direction));
            if (!first) {
                EXPECT_EQ(shown, balance) << "the opening of a period is the close of the one before";
            }
            balance = shown;
            first = false;
        } else if (!r.cell(row, Voucher).isEmpty()) {
            balance += amountOf(r.cell(row, Debit)) - amountOf(r.cell(row, Credit));
            EXPECT_EQ(signedBalance(r.pub(), r.cell(row, Balance), r.cell(row, Direction)), balance) << "row " << row;
        }
    }
    EXPECT_EQ(openings, (QStringList{QStringLiteral("01:") + carried, QStringLiteral("02:") + opening,
                                     QStringLiteral("03:") + opening}));
}

TEST_P(MonthByMonth, UnpostedLinesCountOnlyWhenIncluded)
{
    EngineRig r(openDemoSession(GetParam()));
    r.engine.sBeginCode = QStringLiteral("1");
    r.engine.sEndCode = QStringLiteral("6");
    auto marked = [&](int include) {
        r.grid.setRows(0);
        r.engine.bIncludeUnposted = quint8(include);
        EXPECT_TRUE(r.engine.mxAllMonth());
        int n = 0;
        for (int row = 0; row < r.rows(); ++row)
            if (r.cell(row, Digest).startsWith(u'*')) {
                ++n;
                EXPECT_EQ(r.grid.CellBackColor(row, 6), kmmx::Colours[3]);
            }
        return n;
    };
    EXPECT_EQ(marked(0), 0);
    EXPECT_GT(marked(1), 0);
}

TEST_P(MonthByMonth, AnEmptyRangeIsReportedAndBuildsNothing)
{
    EngineRig r(openDemoSession(GetParam()));
    r.engine.sBeginCode = QStringLiteral("8000");
    r.engine.sEndCode = QStringLiteral("8999");
    EXPECT_FALSE(r.engine.mxAllMonth());
    ASSERT_FALSE(r.session->messages.messages().isEmpty());
    EXPECT_EQ(r.session->messages.messages().last().prompt, r.pub().text(QStringLiteral("R7.GL.QXMXZ.kmmx.00704")));
    EXPECT_EQ(r.rows(), 0);
}

TEST_P(MonthByMonth, AStopLeavesOnlyCompleteGroupsOnTheGrid)
{
    EngineRig r(openDemoSession(GetParam()));
    r.engine.sBeginCode = QStringLiteral("1001");
    r.engine.sEndCode = QStringLiteral("1122");
    r.engine.bPageLines = 3;
    int polls = 0;
    r.host.stopWhen = [&] { return ++polls > 400; };
    ASSERT_TRUE(r.engine.mxAllMonth());
    EXPECT_TRUE(r.engine.stoppedByUser());
    // Whatever reached the grid belongs to groups that were complete.
    for (int row = 0; row < r.rows(); ++row)
        EXPECT_TRUE(r.cell(row, Code).startsWith(QStringLiteral("1001")) || r.cell(row, Code).startsWith(QStringLiteral("1002")))
            << r.cell(row, Code).toStdString();
}

TEST_P(MonthByMonth, AnAccountAtZeroClosesEveryPeriodAndItsAncestorsOpenAllTheSame)
{
    // 221102 has neither a balance nor a line all year; 221101 opens every period.
    EngineRig r(openDemoSession(GetParam()));
    r.engine.sBeginCode = QStringLiteral("221102");
    r.engine.sEndCode = QStringLiteral("221102");
    r.engine.bBeginPeriod = 1;
    r.engine.bEndPeriod = 4;
    ASSERT_TRUE(r.engine.mxAllMonth());
    const QString opening = r.pub().text(QStringLiteral("R7.GL.QXMXZ.kmmx.qcye"));
    const QString carried = r.pub().text(QStringLiteral("R7.GL.QXMXZ.kmmx.snjz"));
    QHash<QString, int> rows; // "code kind" → count
    for (int row = 0; row < r.rows(); ++row) {
        const QString digest = r.cell(row, Digest);
        const QString kind = digest == opening || digest == carried ? QStringLiteral("opening")
                             : digest == r.pub().yearToDateText(r.cell(row, Month).toInt()) ? QStringLiteral("year")
                             : digest.endsWith(r.pub().text(QStringLiteral("R7.GL.QXMXZ.kmmx.yje"))) ? QStringLiteral("month")
                                                                                                  : QStringLiteral("other");
        ++rows[r.cell(row, Code) + u' ' + kind];
        if (kind != u"other") {
            EXPECT_TRUE(r.cell(row, Balance).isEmpty()) << "row " << row << " of " << r.cell(row, Code).toStdString();
        }
    }
    EXPECT_EQ(rows.value(QStringLiteral("221102 opening")), 0) << "an opening row at zero is left out";
    EXPECT_EQ(rows.value(QStringLiteral("221102 month")), 4);
    EXPECT_EQ(rows.value(QStringLiteral("221102 year")), 4);
    EXPECT_EQ(rows.value(QStringLiteral("2211 opening")), 4);
    EXPECT_EQ(rows.value(QStringLiteral("2211 month")), 4);
}

TEST_P(MonthByMonth, AnAncestorOverPartOfItsAccountsSaysItShowsTheListedOnesOnly)
{
    EngineRig r(openDemoSession(GetParam()));
    auto nameOf = [&](const QString &begin, const QString &end, const QString &code) {
        r.grid.setRows(0);
        r.engine.sBeginCode = begin;
        r.engine.sEndCode = end;
        EXPECT_TRUE(r.engine.mxAllMonth());
        for (int row = 0; row < r.rows(); ++row)
            if (r.cell(row, Code) == code)
                return r.cell(row, Name);
        return QString();
    };
    const QString bank = r.pub().accountName(QStringLiteral("1002"));
    EXPECT_EQ(nameOf(QStringLiteral("100201"), QStringLiteral("100201"), QStringLiteral("1002")),
              bank + r.pub().text(QStringLiteral("QXMXZ.engine.partialsum")));
    EXPECT_EQ(nameOf(QStringLiteral("1002"), QStringLiteral("1002"), QStringLiteral("1002")), bank);
    EXPECT_EQ(nameOf(QStringLiteral("100200"), QStringLiteral("100203"), QStringLiteral("1002")), bank);
}

TEST_P(MonthByMonth, AReversedRangeIsRefusedBeforeAnythingIsBuilt)
{
    EngineRig r(openDemoSession(GetParam()));
    r.engine.sBeginCode = QStringLiteral("1002");
    r.engine.sEndCode = QStringLiteral("1001");
    EXPECT_FALSE(r.engine.mxAllMonth());
    ASSERT_FALSE(r.session->messages.messages().isEmpty());
    EXPECT_EQ(r.session->messages.messages().last().prompt, r.pub().text(QStringLiteral("R7.GL.QXMXZ.mxzcond.00604")));
    EXPECT_EQ(r.rows(), 0);
}

TEST_P(MonthByMonth, WithoutARangeTheAccountShownGivesAllItsAccountsInCodeOrder)
{
    // 100200 is stored after the rest of the chart: the range still runs
    // from the first to the last code under 1002.
    EngineRig r(openDemoSession(GetParam()));
    r.host.account = QStringLiteral("1002 ") + r.pub().accountName(QStringLiteral("1002"));
    ASSERT_TRUE(r.engine.mxAllMonth());
    QStringList codes;
    for (int row = 0; row < r.rows(); ++row)
        if (!codes.contains(r.cell(row, Code)))
            codes << r.cell(row, Code);
    EXPECT_EQ(codes, (QStringList{QStringLiteral("1002"), QStringLiteral("100200"), QStringLiteral("100201"),
                                  QStringLiteral("100202"), QStringLiteral("100203")}));
}

TEST_P(MonthByMonth, RowsReachTheGridAPageAtATimeWhileTheGroupIsWritten)
{
    // One first-grade group: its rows come a page at a time, the ancestor's
    // rows first and rewritten until the last of its accounts is done.
    EngineRig r(openDemoSession(GetParam()));
    r.engine.sBeginCode = QStringLiteral("1002");
    r.engine.sEndCode = QStringLiteral("1002");
    r.engine.bPageLines = 20;
    int rowsWhenFirstShown = -1;
    QString firstAncestorBalance;
    QObject::connect(&r.grid, &GridModel::rowsInserted, &r.grid, [&] {
        if (rowsWhenFirstShown < 0) {
            rowsWhenFirstShown = r.rows();
            firstAncestorBalance = r.cell(2, Balance);
        }
    });
    ASSERT_TRUE(r.engine.mxAllMonth());
    ASSERT_GT(r.rows(), 100);
    EXPECT_EQ(rowsWhenFirstShown, 20);
    EXPECT_GT(r.pages.size(), 5);
    EXPECT_EQ(r.cell(0, Code), QStringLiteral("1002"));
    // The ancestor's year to date holds the whole group's balance at the end,
    // not what its first account alone had when the first page was shown.
    Currency accounts, ancestor;
    int ancestorRow = -1;
    for (int row = 0; row < r.rows(); ++row)
        if (r.cell(row, Month) == QStringLiteral("01") && r.cell(row, Digest) == r.pub().yearToDateText(1)) {
            const Currency balance = signedBalance(r.pub(), r.cell(row, Balance), r.cell(row, Direction));
            if (r.cell(row, Code) == QStringLiteral("1002")) {
                ancestor = balance;
                ancestorRow = row;
            } else {
                accounts += balance;
            }
        }
    ASSERT_GE(ancestorRow, 0);
    ASSERT_LT(ancestorRow, 20);
    EXPECT_EQ(ancestor, accounts);
    EXPECT_NE(firstAncestorBalance, r.cell(ancestorRow, Balance));
}

TEST_P(MonthByMonth, TheServersMonthTableHoldsTheLastRunsLines)
{
    // The rows are read from the voucher lines themselves; the month table is
    // copied beside them and holds the same lines once the run is done.
    EngineRig r(openDemoSession(GetParam()));
    Connection &server = r.pub().database();
    const QString table = r.pub().workingTableName(QStringLiteral("mxzmonth"));
    auto count = [&](const QString &sql) {
        RecordSet rs = server.query(sql);
        return rs.field(0).toInt();
    };
    auto run = [&](const QString &begin, const QString &end, int lastPeriod, int includeUnposted) {
        r.grid.setRows(0);
        r.engine.sBeginCode = begin;
        r.engine.sEndCode = end;
        r.engine.bBeginPeriod = 1;
        r.engine.bEndPeriod = quint8(lastPeriod);
        r.engine.bIncludeUnposted = quint8(includeUnposted);
        EXPECT_TRUE(r.engine.mxAllMonth());
    };

    run(QStringLiteral("2221"), QStringLiteral("2221"), 6, 0);
    const int vat = count(QStringLiteral("select count(*) from GL_accvouch where ccode like '2221%' and iperiod <= 6"
                                         " and ibook=1 and (iflag=2 or iflag is null) and iyear=")
                          + QString::number(r.pub().year()));
    ASSERT_GT(vat, 0);
    EXPECT_EQ(count(QStringLiteral("select count(*) from ") + table), vat);

    run(QStringLiteral("1002"), QStringLiteral("1002"), 12, 1);
    const int bank = count(QStringLiteral("select count(*) from GL_accvouch where ccode like '1002%'"
                                          " and (iflag=2 or iflag is null) and iyear=")
                           + QString::number(r.pub().year()));
    ASSERT_GT(bank, 0);
    EXPECT_EQ(count(QStringLiteral("select count(*) from ") + table), bank);
    EXPECT_EQ(count(QStringLiteral("select count(*) from ") + table + QStringLiteral(" where ccode like '2221%'")), 0);
    EXPECT_GT(count(QStringLiteral("select count(*) from ") + table + QStringLiteral(" where ibook<>1")), 0)
        << "the unposted lines are copied when they are included";

    // Every column of every line, as the voucher lines hold it.
    auto lines = [&](const QString &from) {
        QList<QStringList> rows;
        for (RecordSet rs = server.query(QStringLiteral("select * from ") + from
                                         + QStringLiteral(" order by ccode,iperiod,dbill_date,isignseq,ino_id,inid"));
             !rs.eof(); rs.moveNext()) {
            QStringList row;
            for (int i = 0; i < rs.fieldCount(); ++i)
                row << rs.field(i).toString();
            rows << row;
        }
        return rows;
    };
    EXPECT_EQ(lines(table), lines(QStringLiteral("GL_accvouch where ccode like '1002%' and (iflag=2 or iflag is null)"
                                                 " and iyear=")
                                  + QString::number(r.pub().year())));
    if (server.backend() == Backend::Sqlite) {
        EXPECT_EQ(count(QStringLiteral("select count(*) from pragma_database_list where name not in ('main','temp')")),
                  0)
            << "no database the copy used stays attached to the run's connection";
    }
}

INSTANTIATE_TEST_SUITE_P(Backends, MonthByMonth, allBackends(), backendTestName);

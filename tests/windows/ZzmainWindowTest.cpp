// The general-ledger window on the demo company and its drill-down to the
// detail ledger of a period.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDate>
#include <QSqlQuery>
#include <QProcess>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTimer>

#include "general_ledger/basGrwl.h"
#include "platform/outside/GlPublic.h"
#include "platform/print/PageHeadingTables.h"
#include "platform/sql/LocalDatabase.h"
#include "support/ScratchSettings.h"
#include "support/TestDatabases.h"
#include "support/TestSession.h"
#include "windows/BalanceChart.h"
#include "windows/LedgerToolbar.h"
#include "windows/mxz.h"
#include "windows/zzmain.h"

using namespace qxmxz;
using namespace qxmxz::test;

namespace {

std::unique_ptr<zzmain> openGeneral(GlPublic &pub, const QString &entry)
{
    auto window = std::make_unique<zzmain>(pub, QStringList{entry}, BookStyle::Je, false);
    window->show();
    window->selectAccount(0);
    return window;
}

// The declared fields of a local table, as "name type" in order.
QStringList declaredFields(LocalDatabase &local, const QString &table)
{
    QStringList fields;
    QSqlQuery q(local.database());
    q.exec(QStringLiteral("PRAGMA table_info(%1)").arg(table));
    while (q.next())
        fields << q.value(1).toString() + u' ' + q.value(2).toString();
    return fields;
}

} // namespace

TEST(ZzmainWindow, ShowsThePeriodsAndDrillsFromAPeriodRowOnly)
{
    ScratchSettings settings;
    auto session = openDemoSession(Backend::Sqlite);
    auto window = openGeneral(session->pub, QStringLiteral("1002 ") + session->pub.accountName(QStringLiteral("1002")));
    EXPECT_EQ(window->SeparateCode(), QStringLiteral("1002"));
    GridModel &grid = window->grid();
    ASSERT_GT(grid.Rows(), basGrwl::HeadingRows + 12);
    EXPECT_EQ(window->drillPeriod(0), 0) << "a heading row does not drill";
    EXPECT_EQ(window->drillPeriod(1), 0);
    int row = basGrwl::HeadingRows;
    while (row < grid.Rows() && window->drillPeriod(row) != 3)
        ++row;
    ASSERT_LT(row, grid.Rows()) << "no row of period 3";

    int openedPeriod = -1;
    QString openedAccount;
    // Closed once its ledger is shown: a close during the run is refused.
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto *detail = qobject_cast<mxz *>(QApplication::activeModalWidget());
        if (!detail || !detail->isReady() || detail->grid().Rows() == 0)
            return;
        poll.stop();
        openedPeriod = detail->engine().bBeginPeriod;
        openedAccount = detail->accountText();
        detail->close();
    });
    poll.start(50);
    grid.setRow(row);
    window->DrillMxz();
    EXPECT_EQ(openedPeriod, 3);
    EXPECT_TRUE(openedAccount.startsWith(QStringLiteral("1002 ")));
}

TEST(ZzmainWindow, OutputNeedsTheExportRightEvenWhenPrintingIsAllowed)
{
    ScratchSettings settings;
    QTemporaryDir folder;
    auto session = openDemoSession(Backend::Sqlite);
    auto window = openGeneral(session->pub, QStringLiteral("1002 ") + session->pub.accountName(QStringLiteral("1002")));
    EXPECT_EQ(window->exportTo(folder.filePath(QStringLiteral("general.xlsx"))), 1000);
    EXPECT_TRUE(QFileInfo::exists(folder.filePath(QStringLiteral("general.xlsx"))));

    auto zhou = openDemoSession(Backend::Sqlite, QStringLiteral("zhou"));
    auto refused = openGeneral(zhou->pub, QStringLiteral("1002 ") + zhou->pub.accountName(QStringLiteral("1002")));
    ASSERT_GT(refused->grid().Rows(), basGrwl::HeadingRows);
    EXPECT_NE(refused->exportTo(folder.filePath(QStringLiteral("refused.xlsx"))), 1000);
    EXPECT_FALSE(QFileInfo::exists(folder.filePath(QStringLiteral("refused.xlsx"))));
}

TEST(ZzmainWindow, TheChartShowsEachPeriodsBalanceAsTheBooksHoldIt)
{
    ScratchSettings settings;
    auto session = openDemoSession(Backend::Sqlite);
    GlPublic &pub = session->pub;
    for (const char *code : {"1122", "2202"}) {
        const QString account = QString::fromLatin1(code);
        auto window = openGeneral(pub, account + u' ' + pub.accountName(account));
        const QList<GeneralLedgerPoint> &points = window->chart()->points();
        ASSERT_EQ(points.size(), 12) << code;
        const bool debitNatured = pub.account(account).debitNatured;
        for (const GeneralLedgerPoint &point : points) {
            if (point.period == 12)
                continue;
            // The balance before the next period, signed debit-positive.
            const Currency booked = pub.openingBalance(account, point.period + 1, false).amount;
            EXPECT_EQ(point.balance, debitNatured ? booked : -booked) << code << " period " << point.period;
        }
        EXPECT_EQ(window->chart()->chart()->series().size(), 2) << "bars and the balance line";
    }
}

TEST(ZzmainWindow, TheChartFollowsStyleAndToggle)
{
    ScratchSettings settings;
    auto session = openDemoSession(Backend::Sqlite);
    GlPublic &pub = session->pub;
    auto window = openGeneral(pub, QStringLiteral("100202 ") + pub.accountName(QStringLiteral("100202")));
    EXPECT_EQ(window->chart()->chart()->series().size(), 2);
    window->selectStyle(BookStyle::Wb);
    ASSERT_EQ(window->chart()->chart()->series().size(), 3) << "the dollar balance beside the home currency's";
    ASSERT_TRUE(window->chart()->points().front().foreignBalance.has_value());
    for (const GeneralLedgerPoint &point : window->chart()->points())
        if (point.period < 12) {
            ASSERT_TRUE(point.foreignBalance.has_value()) << point.period;
            EXPECT_EQ(*point.foreignBalance, pub.openingBalance(QStringLiteral("100202"), point.period + 1, false).foreign)
                << point.period;
        }

    // A parent of two currencies has no one foreign balance to chart.
    auto parent = openGeneral(pub, QStringLiteral("1002 ") + pub.accountName(QStringLiteral("1002")));
    parent->selectStyle(BookStyle::Wb);
    EXPECT_EQ(parent->chart()->chart()->series().size(), 2);

    EXPECT_TRUE(window->isChartShown());
    window->runCommand(QStringLiteral("图表"));
    EXPECT_FALSE(window->isChartShown());
    window->toolbar()->click(QStringLiteral("图表"));
    EXPECT_TRUE(window->isChartShown());
}

TEST(ZzmainWindow, OutputWritesTheLedgerRowsAndHeadingLinesIntoItsPrintTablesFirst)
{
    ScratchSettings settings;
    QTemporaryDir folder;
    auto session = openDemoSession(Backend::Sqlite);
    GlPublic &pub = session->pub;
    auto window = openGeneral(pub, QStringLiteral("1002 ") + pub.accountName(QStringLiteral("1002")));
    EXPECT_TRUE(window->printTables().isEmpty());
    ASSERT_EQ(window->exportTo(folder.filePath(QStringLiteral("general.csv"))), 1000);
    const QStringList tables = window->printTables();
    ASSERT_EQ(tables.size(), 2);
    EXPECT_NE(tables[0], tables[1]);
    EXPECT_TRUE(tables[0].startsWith(QStringLiteral("ZZprn")));
    LocalDatabase &local = pub.localDatabase();
    EXPECT_EQ(declaredFields(local, tables[0]), (QStringList{"t1 TEXT(50)", "t2 TEXT(180)", "t3 TEXT(50)", "t4 TEXT(50)",
                                                             "t5 TEXT(50)", "t6 TEXT(50)"}));
    EXPECT_EQ(declaredFields(local, tables[1]), (QStringList{"t1 TEXT(50)", "t2 TEXT(50)", "t3 TEXT(50)", "t4 TEXT(50)"}));

    // One body row per ledger row: period, summary, debit, credit, direction, balance.
    const GridModel &grid = window->grid();
    const QList<QStringList> body = readTextTable(local, tables[0], 6);
    ASSERT_EQ(body.size(), grid.Rows() - basGrwl::HeadingRows);
    for (int i = 0; i < body.size(); ++i) {
        const int row = basGrwl::HeadingRows + i;
        EXPECT_EQ(body[i], (QStringList{grid.TextMatrix(row, basGrwl::Month), grid.TextMatrix(row, basGrwl::Summary),
                                        grid.TextMatrix(row, basGrwl::DebitAmount), grid.TextMatrix(row, basGrwl::CreditAmount),
                                        grid.TextMatrix(row, basGrwl::Direction), grid.TextMatrix(row, basGrwl::BalanceAmount)}))
            << "ledger row " << row;
    }
    EXPECT_FALSE(body.last()[5].isEmpty()) << "the last row carries the balance";

    const QList<QStringList> head = readTextTable(local, tables[1], 4);
    ASSERT_EQ(head.size(), 2);
    EXPECT_EQ(head[0][0], pub.text(QStringLiteral("R7.GL.QXMXZ.zzmain.zz")));
    EXPECT_TRUE(head[0][1].startsWith(pub.text(QStringLiteral("R7.GL.QXMXZ.zzmain.km"))));
    EXPECT_TRUE(head[0][1].contains(QStringLiteral("1002")));
    EXPECT_TRUE(head[0][2].startsWith(pub.text(QStringLiteral("R7.GL.QXMXZ.zzmain.00119"))));
    EXPECT_EQ(head[0][3], QString()) << "the amount style shows neither unit nor currency";
    EXPECT_EQ(head[1], (QStringList{pub.text(QStringLiteral("R7.GL.QXMXZ.zzmain.00120")), pub.text(QStringLiteral("R7.GL.QXMXZ.zzmain.00121")),
                                    pub.text(QStringLiteral("R7.GL.QXMXZ.zzmain.00122")) + QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")),
                                    pub.text(QStringLiteral("R7.GL.QXMXZ.zzmain.00123"))}));

    // What the output carries over its rows is the title the head table holds.
    ASSERT_EQ(window->exportTo(folder.filePath(QStringLiteral("general.xlsx"))), 1000);
    QProcess unzip;
    unzip.start(QStringLiteral("unzip"), {QStringLiteral("-p"), folder.filePath(QStringLiteral("general.xlsx")),
                                          QStringLiteral("xl/worksheets/sheet1.xml")});
    ASSERT_TRUE(unzip.waitForFinished());
    EXPECT_TRUE(QString::fromUtf8(unzip.readAllStandardOutput()).contains(QStringLiteral("<t>%1</t>").arg(head[0][0])));

    // Each print gets tables of its own; the earlier ones stay as they were.
    ASSERT_EQ(window->exportTo(folder.filePath(QStringLiteral("again.csv"))), 1000);
    EXPECT_NE(window->printTables()[0], tables[0]);
    EXPECT_EQ(readTextTable(local, tables[0], 6).size(), body.size());
}

TEST(ZzmainWindow, AForeignCurrencyStylesHeadTableNamesTheCurrencyAndARefusalWritesNoTables)
{
    ScratchSettings settings;
    QTemporaryDir folder;
    auto session = openDemoSession(Backend::Sqlite);
    auto window = openGeneral(session->pub, QStringLiteral("100202 ") + session->pub.accountName(QStringLiteral("100202")));
    window->selectStyle(BookStyle::Wb);
    ASSERT_EQ(window->exportTo(folder.filePath(QStringLiteral("wb.csv"))), 1000);
    const QList<QStringList> head = readTextTable(session->pub.localDatabase(), window->printTables()[1], 4);
    ASSERT_FALSE(head.isEmpty());
    EXPECT_FALSE(head[0][3].isEmpty()) << "the currency line of the foreign-currency style";

    auto zhou = openDemoSession(Backend::Sqlite, QStringLiteral("zhou"));
    auto refused = openGeneral(zhou->pub, QStringLiteral("1002 ") + zhou->pub.accountName(QStringLiteral("1002")));
    EXPECT_NE(refused->exportTo(folder.filePath(QStringLiteral("refused.csv"))), 1000);
    EXPECT_TRUE(refused->printTables().isEmpty());
}

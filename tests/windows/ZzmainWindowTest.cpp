// The general-ledger window on the demo company and its drill-down to the
// detail ledger of a period.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTimer>

#include "general_ledger/basGrwl.h"
#include "platform/outside/GlPublic.h"
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

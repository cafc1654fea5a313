// A host program that runs widgets and registers no window host of its own
// gets the component's windows from the display methods.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>

#include "../entry/EntryRig.h"
#include "entry/LedgerWindowHost.h"
#include "entry/clsMxz.h"
#include "platform/outside/Login.h"
#include "platform/outside/ReportFacade.h"
#include "platform/sql/Connection.h"
#include "windows/ReportWindow.h"
#include "support/ScratchSettings.h"
#include "support/TestDatabases.h"
#include "windows/mxz.h"

using namespace qxmxz;
using namespace qxmxz::test;

TEST(DisplayWindow, mxzDisplayOpensTheDetailLedgerWindowOnTheAccountAndReturnsWhenItCloses)
{
    ScratchSettings settings;
    resetComponent();
    auto login = demoLoginObject(Backend::Sqlite, QStringLiteral("demo"));
    clsMxz component;
    component.setObjLogin(login.get());

    QString shownAccount;
    int shownRows = -1;
    // The window is read and closed once its ledger is shown: a close
    // while the ledger is still being read is refused.
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto *window = qobject_cast<mxz *>(QApplication::activeModalWidget());
        if (!window || !window->isReady() || window->grid().Rows() == 0)
            return;
        poll.stop();
        shownAccount = window->accountText();
        shownRows = window->grid().Rows();
        window->close();
    });
    poll.start(50);
    QString account = QStringLiteral("100201");
    quint8 period = 3;
    bool include = false;
    EXPECT_TRUE(component.mxzDisplay(account, period, include));
    EXPECT_TRUE(shownAccount.startsWith(QStringLiteral("100201 ")));
    EXPECT_GT(shownRows, 3);
    EXPECT_EQ(component.ObjLogin(), nullptr) << "a closed window lets the login go";
    resetComponent();
}

TEST(DisplayWindow, UnderTheNewReportTheFacadeShowsTheSameLedgerInItsOwnWindow)
{
    ScratchSettings settings;
    resetComponent();
    installReportWindow();
    auto login = scratchLoginObject(Backend::Sqlite, QStringLiteral("demo"));
    login->login()->connection().execute(QStringLiteral("update gl_options set cvalue = N'1' where cname = N'NewReport'"));
    clsMxz component;
    component.setObjLogin(login.get());

    QString account = QStringLiteral("100201");
    quint8 period = 3;
    bool include = false;
    EXPECT_TRUE(component.mxzDisplay(account, period, include));
    ReportWindow *report = nullptr;
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (auto *shown = qobject_cast<ReportWindow *>(widget); shown && shown->isVisible())
            report = shown;
    ASSERT_NE(report, nullptr) << "the facade shows its window";
    EXPECT_EQ(report->account(), QStringLiteral("100201"));

    MxzRequest request;
    request.accountEntries << QStringLiteral("100201");
    request.firstPeriod = request.lastPeriod = 3;
    mxz ledger(component.MyZwPub()->pub(), request);
    ledger.selectAccount(0);
    ASSERT_GT(ledger.grid().Rows(), 3);
    ASSERT_EQ(report->grid().Rows(), ledger.grid().Rows());
    ASSERT_EQ(report->grid().Cols(), ledger.grid().Cols());
    for (int row = 0; row < ledger.grid().Rows(); ++row)
        for (int column = 0; column < ledger.grid().Cols(); ++column)
            EXPECT_EQ(report->grid().TextMatrix(row, column), ledger.grid().TextMatrix(row, column)) << row << "," << column;
    report->close();
    ReportFacade::setReportWindow({});
    resetComponent();
}

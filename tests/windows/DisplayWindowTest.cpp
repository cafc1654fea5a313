// A host program that runs widgets and registers no window host of its own
// gets the component's windows from the display methods.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>

#include "../entry/EntryRig.h"
#include "entry/clsMxz.h"
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

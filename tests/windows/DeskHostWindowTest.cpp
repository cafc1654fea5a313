// The desktop host opens the ledgers as a host of the component does: by
// name, through the public class it created by its program identifier.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "../entry/EntryRig.h"
#include "entry/LoginContext.h"
#include "qxmxz-desk/DeskHostWindow.h"
#include "support/ScratchSettings.h"
#include "support/TestDatabases.h"
#include "support/TestSession.h"
#include "windows/LedgerToolbar.h"
#include "windows/mxz.h"
#include "windows/zzmain.h"

using namespace qxmxz;
using namespace qxmxz::test;

namespace {

class DeskHost : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetComponent();
        session = openDemoSession(Backend::Sqlite);
    }
    void TearDown() override { resetComponent(); }

    QPushButton *button(DeskHostWindow &desk, const char *key)
    {
        for (QPushButton *b : desk.findChildren<QPushButton *>())
            if (b->text() == session->pub.text(QString::fromLatin1(key)))
                return b;
        return nullptr;
    }

    // Clicks the button and, once the modal window it opens is ready, reads
    // it with `read` and closes it.
    template <typename Window>
    bool clickAndRead(QPushButton *b, std::function<bool(Window &)> read)
    {
        bool seen = false;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto *window = qobject_cast<Window *>(QApplication::activeModalWidget());
            if (!window || !read(*window))
                return;
            poll.stop();
            seen = true;
            window->close();
        });
        poll.start(30);
        QTest::mouseClick(b, Qt::LeftButton);
        return seen;
    }

    ScratchSettings settings;
    std::unique_ptr<TestSession> session;
};

TEST_F(DeskHost, TheDetailButtonOpensTheLedgerThroughThePublicClassByName)
{
    DeskHostWindow desk(session->pub);
    ASSERT_NE(desk.component(), nullptr);
    EXPECT_STREQ(desk.component()->metaObject()->className(), "qxmxz::clsMxz");
    desk.accountBox()->setText(QStringLiteral("1001/1002"));
    QStringList entries;
    int rows = 0;
    bool voucher = false;
    ASSERT_TRUE(clickAndRead<mxz>(button(desk, "QXMXZ.desk.detail"), [&](mxz &window) {
        if (!window.isReady() || window.grid().Rows() == 0)
            return false;
        entries = window.accountEntries();
        rows = window.grid().Rows();
        voucher = window.toolbar()->button(QStringLiteral("凭证"))->isEnabled();
        return true;
    }));
    ASSERT_EQ(entries.size(), 2);
    EXPECT_EQ(entries[0], QStringLiteral("1001 ") + session->pub.accountName(QStringLiteral("1001")));
    EXPECT_GT(rows, 0);
    EXPECT_TRUE(voucher) << "a list request lets the user open vouchers";
    EXPECT_EQ(desk.component()->property("ObjLogin").value<QObject *>(), nullptr)
        << "the closed window let the login go: the host hands it over again";

    // The next request works as well: the host set the login again.
    desk.accountBox()->setText(QStringLiteral("100201"));
    QString shown;
    ASSERT_TRUE(clickAndRead<mxz>(button(desk, "QXMXZ.desk.detail"), [&](mxz &window) {
        if (!window.isReady() || window.grid().Rows() == 0)
            return false;
        shown = window.accountText();
        return true;
    }));
    EXPECT_TRUE(shown.startsWith(QStringLiteral("100201 ")));
}

TEST_F(DeskHost, TheGeneralLedgerButtonOpensTheGeneralLedgerByName)
{
    DeskHostWindow desk(session->pub);
    desk.accountBox()->setText(QStringLiteral("1002"));
    int rows = 0;
    ASSERT_TRUE(clickAndRead<zzmain>(button(desk, "QXMXZ.desk.general"), [&](zzmain &window) {
        rows = window.grid().Rows();
        return rows > 0;
    }));
    EXPECT_GT(rows, 2);
}

} // namespace

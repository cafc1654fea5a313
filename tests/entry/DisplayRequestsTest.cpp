// The display methods of clsMxz: rights first, then the request handed to
// the window host (or to the report service), and an honest refusal when no
// window host is there.

#include <gtest/gtest.h>

#include "EntryRig.h"
#include "entry/GlPublicObject.h"
#include "entry/LoginContext.h"
#include "entry/clsMxz.h"
#include "platform/outside/GlPublic.h"
#include "platform/outside/Login.h"
#include "platform/outside/QtStringPrinting.h"
#include "platform/sql/Connection.h"
#include "support/TestDatabases.h"

namespace qxmxz {
namespace {

class DisplayRequests : public ::testing::TestWithParam<Backend> {
protected:
    void SetUp() override { test::resetComponent(); }
    void TearDown() override { test::resetComponent(); }

    // A clsMxz logged in as a demo user, with the recording window host.
    void logIn(const char *user, bool withHost = true)
    {
        login = test::demoLoginObject(GetParam(), QString::fromLatin1(user));
        mxz.setObjLogin(login.get());
        if (withHost)
            LoginContext::setWindowHost(&host);
    }
    GlPublic &pub() { return mxz.MyZwPub()->pub(); }
    const MessageBoxRequest *lastMessage()
    {
        const auto &messages = pub().recordedMessages();
        return messages.isEmpty() ? nullptr : &messages.back();
    }
    qsizetype messageCount() { return pub().recordedMessages().size(); }
    QString text(const QString &key, const QStringList &arguments = {}) { return pub().text(key, arguments); }

    bool display(QString km, quint8 period = 3, bool include = false)
    {
        kmAfter = km;
        return mxz.mxzDisplay(kmAfter, period, include);
    }
    bool display1(QString km, QString period = QStringLiteral("3"), bool include = false)
    {
        kmAfter = km;
        return mxz.mxzDisplay1(kmAfter, period, include);
    }

    clsMxz mxz;
    std::unique_ptr<LoginObject> login;
    test::RecordingWindowHost host;
    QString kmAfter;
};

TEST_P(DisplayRequests, ADetailLedgerReachesTheWindowWithTheAccountNameAndTheQualifier)
{
    logIn("demo");
    EXPECT_TRUE(display(QStringLiteral("1001 备查"), 4, true));
    EXPECT_EQ(kmAfter, QStringLiteral("1001 库存现金")) << "the host's variable receives code and name";
    ASSERT_EQ(host.detail.size(), 1);
    const DetailLedgerRequest &r = host.detail.front();
    EXPECT_EQ(r.accountEntries, QStringList{QStringLiteral("1001 库存现金")});
    EXPECT_EQ(r.period, 4);
    EXPECT_TRUE(r.includeUnposted);
    EXPECT_EQ(r.qualifier, QStringLiteral("备查"));
    EXPECT_FALSE(r.voucherCommandEnabled) << "no mxzDisplay1 call yet";
    EXPECT_TRUE(r.styleText.isEmpty());
    EXPECT_EQ(messageCount(), 0);
}

TEST_P(DisplayRequests, WithoutTheDetailLedgerRightNothingIsShown)
{
    logIn("zhao");
    EXPECT_FALSE(display(QStringLiteral("1001")));
    EXPECT_TRUE(host.detail.isEmpty());
    ASSERT_NE(lastMessage(), nullptr);
    EXPECT_EQ(lastMessage()->prompt, text(QStringLiteral("R7.GL.QXMXZ.mxzdll.youhavenotright"), {QStringLiteral("明细账")}));
    EXPECT_EQ(lastMessage()->buttons, 16);
}

TEST_P(DisplayRequests, AnAccountTheUserMayNotReadIsRefused)
{
    logIn("li");
    EXPECT_FALSE(display(QStringLiteral("1122")));
    EXPECT_TRUE(host.detail.isEmpty());
    ASSERT_EQ(messageCount(), 1) << "the second right check is silent";
    EXPECT_EQ(lastMessage()->prompt, text(QStringLiteral("R7.GL.QXMXZ.clsmxz.noqueryright")));
    EXPECT_EQ(lastMessage()->title, text(QStringLiteral("R7.GL.clscoderemark.notesinfo")));
    EXPECT_EQ(lastMessage()->buttons, 64);
    EXPECT_TRUE(display(QStringLiteral("1002")));
    EXPECT_EQ(host.detail.size(), 1);
}

TEST_P(DisplayRequests, AnExemptUserReadsEveryAccount)
{
    logIn("qian");
    EXPECT_TRUE(display(QStringLiteral("1122")));
    EXPECT_EQ(host.detail.size(), 1);
}

TEST_P(DisplayRequests, WithoutAWindowHostTheMethodsSaySoAndAnswerFalse)
{
    logIn("demo", false);
    EXPECT_FALSE(display(QStringLiteral("1001")));
    ASSERT_NE(lastMessage(), nullptr);
    EXPECT_EQ(lastMessage()->prompt, text(QStringLiteral("QXMXZ.entry.nowindowhost")));
    EXPECT_NE(lastMessage()->prompt, QStringLiteral("QXMXZ.entry.nowindowhost"));
    EXPECT_EQ(lastMessage()->title, text(QStringLiteral("R7.GL.QXMXZ.clsmxz.noteinfo")));
    EXPECT_FALSE(display1(QStringLiteral("1001|库存现金")));
    QString km = QStringLiteral("1001");
    bool include = false;
    EXPECT_FALSE(mxz.ZzDisplay(km, include));
    EXPECT_EQ(messageCount(), 3);
}

TEST_P(DisplayRequests, WithoutALoginTheMethodsAnswerFalseWithAMessage)
{
    QString km = QStringLiteral("1001");
    quint8 period = 1;
    bool include = false;
    EXPECT_FALSE(mxz.mxzDisplay(km, period, include));
    EXPECT_FALSE(mxz.ZzDisplay(km, include));
    EXPECT_EQ(messageCount(), 2);
}

TEST_P(DisplayRequests, AListOfAccountsOpensOnTheFirstInTheAmountStyle)
{
    logIn("demo");
    EXPECT_TRUE(display1(QStringLiteral("1001|库存现金/1002|银行存款"), QStringLiteral("3"), true));
    EXPECT_EQ(kmAfter, QStringLiteral("1001/1002"));
    ASSERT_EQ(host.detail.size(), 1);
    const DetailLedgerRequest &r = host.detail.front();
    EXPECT_EQ(r.accountEntries, (QStringList{QStringLiteral("1001 库存现金"), QStringLiteral("1002 银行存款")}));
    EXPECT_EQ(r.period, 3);
    EXPECT_TRUE(r.includeUnposted);
    EXPECT_TRUE(r.voucherCommandEnabled);
    EXPECT_EQ(r.styleText, text(QStringLiteral("R7.GL.QXMXZ.clsmxz.cashstyle")));

    // From now on mxzDisplay leaves the voucher command enabled too.
    EXPECT_TRUE(display(QStringLiteral("1001")));
    EXPECT_TRUE(host.detail.back().voucherCommandEnabled);
}

TEST_P(DisplayRequests, ThePeriodIsANumberOrADate)
{
    logIn("demo");
    EXPECT_TRUE(display1(QStringLiteral("1001"), QStringLiteral("11")));
    EXPECT_EQ(host.detail.back().period, 11);
    EXPECT_TRUE(display1(QStringLiteral("1001"), QStringLiteral("2026-05-10")));
    EXPECT_EQ(host.detail.back().period, 5);
    EXPECT_EQ(host.detail.back().accountEntries, QStringList{QStringLiteral("1001 库存现金")});
}

TEST_P(DisplayRequests, AnAccountWithoutANameStopsTheList)
{
    logIn("demo");
    EXPECT_FALSE(display1(QStringLiteral("1001|库存现金/9999|无")));
    EXPECT_TRUE(host.detail.isEmpty());
    ASSERT_NE(lastMessage(), nullptr);
    EXPECT_EQ(lastMessage()->prompt, text(QStringLiteral("R7.GL.QXMXZ.clsmxz.kminputwrong")));
    EXPECT_EQ(lastMessage()->title, text(QStringLiteral("R7.GL.QXMXZ.clsmxz.noteinfo")));
}

TEST_P(DisplayRequests, OneUnreadableAccountOfAListStopsTheWholeDisplay)
{
    logIn("li");
    EXPECT_FALSE(display1(QStringLiteral("1001|库存现金/1122|应收账款/1002|银行存款")));
    EXPECT_TRUE(host.detail.isEmpty());
    ASSERT_NE(lastMessage(), nullptr);
    EXPECT_EQ(lastMessage()->prompt, text(QStringLiteral("R7.GL.QXMXZ.clsmxz.nohavequeryright"), {QStringLiteral("1122")}));
    EXPECT_EQ(lastMessage()->title, text(QStringLiteral("R7.GL.QXMXZ.clsmxz.noteinfo")));
    EXPECT_TRUE(display1(QStringLiteral("1001|库存现金/1002|银行存款")));
}

TEST_P(DisplayRequests, TheGeneralLedgerNeedsItsOwnRight)
{
    logIn("zhao");
    QString km = QStringLiteral("1002");
    bool include = true;
    EXPECT_TRUE(mxz.ZzDisplay(km, include)) << "zhao holds the general ledger";
    ASSERT_EQ(host.general.size(), 1);
    EXPECT_EQ(host.general.front().account, QStringLiteral("1002"));
    EXPECT_TRUE(host.general.front().includeUnposted);
    EXPECT_EQ(host.general.front().styleText, text(QStringLiteral("R7.GL.QXMXZ.clsmxz.cashstyle")));

    auto scratch = test::scratchLoginObject(GetParam(), QStringLiteral("li"));
    scratch->login()->connection().execute(
        QStringLiteral("delete from ua_holdauth where cUser_id = N'li' and cAuth_id = N'GL030101'"));
    mxz.setObjLogin(scratch.get());
    EXPECT_FALSE(mxz.ZzDisplay(km, include));
    EXPECT_EQ(host.general.size(), 1);
    ASSERT_NE(lastMessage(), nullptr);
    EXPECT_EQ(lastMessage()->prompt, text(QStringLiteral("R7.GL.QXMXZ.clsmxz.00247")));
    EXPECT_EQ(lastMessage()->title, text(QStringLiteral("R7.GL.QXMXZ.clsmxz.noteinfo")));
    EXPECT_EQ(scratch->login()->errorNumber(), 0);
}

TEST_P(DisplayRequests, UnderTheNewReportTheRequestGoesToTheReportService)
{
    auto scratch = test::scratchLoginObject(GetParam(), QStringLiteral("li"));
    scratch->login()->connection().execute(
        QStringLiteral("update gl_options set cvalue = N'1' where cname = N'NewReport'"));
    mxz.setObjLogin(scratch.get());
    LoginContext::setWindowHost(&host);
    QObject business;
    mxz.setBusiness(&business);

    EXPECT_TRUE(display(QStringLiteral("1002 x"), 6, true));
    EXPECT_TRUE(host.detail.isEmpty());
    ASSERT_EQ(host.reports.size(), 1);
    const ReportRequest &r = host.reports.front();
    EXPECT_EQ(r.reportId, QStringLiteral("gl_mxz"));
    EXPECT_EQ(r.code, QStringLiteral("1002"));
    EXPECT_EQ(r.monthText, pub().periodText(6));
    EXPECT_EQ(r.isInclude, 1);
    EXPECT_FALSE(r.isModal);
    EXPECT_EQ(r.business, &business);

    EXPECT_FALSE(display(QStringLiteral("1122"))) << "the query right still holds";
    EXPECT_EQ(host.reports.size(), 1);

    EXPECT_TRUE(display1(QStringLiteral("1001|库存现金/1002|银行存款")));
    EXPECT_EQ(host.reports.back().accountText, QStringLiteral("1001;1002"));
    EXPECT_TRUE(host.reports.back().isModal) << "a list is shown modally";
    EXPECT_TRUE(mxz.isModal());
}

INSTANTIATE_TEST_SUITE_P(Backends, DisplayRequests, test::bothBackends(), test::backendTestName);

} // namespace
} // namespace qxmxz

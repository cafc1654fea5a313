// The display methods of clsMxz: rights first, then the request handed to
// the window host (or, by name, to the report facade), and a refusal with the
// component's message otherwise.

#include <gtest/gtest.h>

#include "EntryRig.h"
#include "entry/GlPublicObject.h"
#include "entry/LoginContext.h"
#include "entry/clsMxz.h"
#include "platform/outside/GlPublic.h"
#include "platform/outside/Login.h"
#include "platform/outside/ReportFacade.h"
#include "platform/sql/Connection.h"
#include "support/Printers.h"
#include "support/TestDatabases.h"

namespace qxmxz {
namespace {

enum class Method { Detail, List, General };

// Calls a display method as a host does, with unposted vouchers included; `km`
// receives the account text the method leaves.
bool display(clsMxz &mxz, Method method, const char *account, const QString &period = QStringLiteral("3"),
             QString *km = nullptr)
{
    QString text = QString::fromUtf8(account), periodText = period;
    quint8 number = quint8(period.toInt());
    bool include = true, shown = false;
    switch (method) {
    case Method::Detail: shown = mxz.mxzDisplay(text, number, include); break;
    case Method::List: shown = mxz.mxzDisplay1(text, periodText, include); break;
    case Method::General: shown = mxz.ZzDisplay(text, include); break;
    }
    if (km)
        *km = text;
    return shown;
}

class DisplayRequests : public test::BackendTest {
protected:
    void SetUp() override
    {
        BackendTest::SetUp();
        if (IsSkipped())
            return;
        test::resetComponent();
    }
    void TearDown() override { test::resetComponent(); }

    GlPublic &pub() { return LoginContext::publicObject().pub(); }
    QString text(const char *key, const QStringList &arguments = {}) { return pub().text(QString::fromLatin1(key), arguments); }

    test::RecordingWindowHost host;
};

TEST_P(DisplayRequests, WhatTheUserMayNotSeeIsRefusedWithOneMessage)
{
    // No user: no login. A revoked right is taken from the user on a scratch company first.
    // No key: the failure's own text. No title: the component's.
    const struct {
        const char *user, *revokedRight;
        bool withHost;
        Method method;
        const char *km, *key, *argument, *titleKey;
    } refusals[] = {
        {"zhao", nullptr, true, Method::Detail, "1001", "R7.GL.QXMXZ.mxzdll.youhavenotright", "明细账", "R7.GL.QXMXZ.mxzdll.notesinfo"},
        {"li", nullptr, true, Method::Detail, "1122", "R7.GL.QXMXZ.clsmxz.noqueryright", nullptr, "R7.GL.clscoderemark.notesinfo"},
        {"li", nullptr, true, Method::List, "1001|库存现金/1122|应收账款/1002|银行存款", "R7.GL.QXMXZ.clsmxz.nohavequeryright", "1122"},
        {"li", "GL030101", true, Method::General, "1002", "R7.GL.QXMXZ.clsmxz.00247"},
        {"demo", nullptr, true, Method::List, "1001|库存现金/9999|无", "R7.GL.QXMXZ.clsmxz.kminputwrong"},
        {"demo", nullptr, false, Method::General, "1002", "QXMXZ.entry.nowindowhost"},
        {nullptr, nullptr, true, Method::Detail, "1001"},
    };
    for (const auto &c : refusals) {
        SCOPED_TRACE(std::string(c.user ? c.user : "no login") + " " + c.km);
        test::resetComponent();
        clsMxz mxz;
        std::unique_ptr<LoginObject> login;
        if (c.revokedRight) {
            login = test::scratchLoginObject(GetParam(), QString::fromLatin1(c.user));
            login->login()->connection().execute(QStringLiteral("delete from ua_holdauth where cUser_id = N'%1' and cAuth_id = N'%2'")
                                                     .arg(QLatin1String(c.user), QLatin1String(c.revokedRight)));
        } else if (c.user) {
            login = test::demoLoginObject(GetParam(), QString::fromLatin1(c.user));
        }
        if (login)
            mxz.setObjLogin(login.get());
        LoginContext::setWindowHost(c.withHost ? &host : nullptr);
        EXPECT_FALSE(display(mxz, c.method, c.km));
        const QList<MessageBoxRequest> &messages = pub().recordedMessages();
        ASSERT_EQ(messages.size(), 1);
        if (c.key) {
            EXPECT_EQ(messages[0].prompt, text(c.key, c.argument ? QStringList{QString::fromUtf8(c.argument)} : QStringList()));
        }
        EXPECT_EQ(messages[0].title, text(c.titleKey ? c.titleKey : "R7.GL.QXMXZ.clsmxz.noteinfo"));
        EXPECT_EQ(login ? login->login()->errorNumber() : 0, 0) << "the login's error is cleared";
    }
    EXPECT_TRUE(host.detail.isEmpty() && host.general.isEmpty() && ReportFacade::received().isEmpty());
}

TEST_P(DisplayRequests, AnAccountTheUserMayNotReadNeverReachesTheWindowHost)
{
    // li reads 1002 and its accounts in the demo; here one of them is taken away.
    auto scratch = test::scratchLoginObject(GetParam(), QStringLiteral("li"));
    scratch->login()->connection().execute(
        QStringLiteral("delete from ua_dataauth where cUser_id = N'li' and cACCode = N'100202'"));
    const struct {
        LoginObject *login;
        Method method;
        const char *km, *refused;
    } refusals[] = {
        {scratch.get(), Method::Detail, "1002", "100202"},
        {scratch.get(), Method::List, "1001|库存现金/1002|银行存款", "100202"},
        {scratch.get(), Method::General, "1002", "100202"},
        {scratch.get(), Method::General, "1122", "1122"},
    };
    for (const auto &c : refusals) {
        SCOPED_TRACE(c.km);
        test::resetComponent();
        clsMxz mxz;
        mxz.setObjLogin(c.login);
        LoginContext::setWindowHost(&host);
        EXPECT_FALSE(display(mxz, c.method, c.km));
        const QList<MessageBoxRequest> &messages = pub().recordedMessages();
        ASSERT_EQ(messages.size(), 1);
        EXPECT_EQ(messages[0].prompt, text("R7.GL.QXMXZ.mxzdll.operatornoright", {QString::fromLatin1(c.refused)}));
    }
    EXPECT_TRUE(host.detail.isEmpty() && host.general.isEmpty());

    // What li may read still opens.
    test::resetComponent();
    clsMxz mxz;
    mxz.setObjLogin(scratch.get());
    LoginContext::setWindowHost(&host);
    EXPECT_TRUE(display(mxz, Method::Detail, "100201"));
    EXPECT_TRUE(display(mxz, Method::General, "1001"));
    EXPECT_EQ(host.detail.size(), 1);
    EXPECT_EQ(host.general.size(), 1);
}

TEST_P(DisplayRequests, TheWindowHostReceivesWhatTheUserMaySee)
{
    LoginContext::setWindowHost(&host);
    clsMxz mxz;
    auto login = test::demoLoginObject(GetParam(), QStringLiteral("demo"));
    mxz.setObjLogin(login.get());

    QString km;
    EXPECT_TRUE(display(mxz, Method::Detail, "1001 备查", QStringLiteral("4"), &km));
    EXPECT_EQ(km, QStringLiteral("1001 库存现金")) << "the host's variable receives code and name";
    ASSERT_EQ(host.detail.size(), 1);
    EXPECT_EQ(host.detail[0].period, 4);
    EXPECT_TRUE(host.detail[0].includeUnposted);
    EXPECT_EQ(host.detail[0].qualifier, QStringLiteral("备查"));
    EXPECT_FALSE(host.detail[0].voucherCommandEnabled) << "no mxzDisplay1 call yet";

    // A list opens in the amount style; the period is a number or a date.
    EXPECT_TRUE(display(mxz, Method::List, "1001|库存现金/1002|银行存款", QStringLiteral("11"), &km));
    EXPECT_EQ(km, QStringLiteral("1001/1002"));
    EXPECT_EQ(host.detail[1].accountEntries, (QStringList{QStringLiteral("1001 库存现金"), QStringLiteral("1002 银行存款")}));
    EXPECT_EQ(host.detail[1].period, 11);
    EXPECT_EQ(host.detail[1].styleText, text("R7.GL.QXMXZ.clsmxz.cashstyle"));
    EXPECT_TRUE(display(mxz, Method::List, "1001", QStringLiteral("2026-05-10")));
    EXPECT_EQ(host.detail[2].period, 5);
    EXPECT_TRUE(display(mxz, Method::Detail, "1001"));
    EXPECT_TRUE(host.detail[3].voucherCommandEnabled) << "from now on mxzDisplay enables it too";

    // Restricted users see what their rights allow: li some accounts, qian
    // (exempt) all, zhao the general ledger without the detail ledgers.
    const std::tuple<const char *, Method, const char *> allowed[] = {
        {"li", Method::Detail, "1002"}, {"li", Method::List, "1001|库存现金/1002|银行存款"},
        {"qian", Method::Detail, "1122"}, {"zhao", Method::General, "1002"}};
    for (const auto &[user, method, code] : allowed) {
        auto other = test::demoLoginObject(GetParam(), QString::fromLatin1(user));
        mxz.setObjLogin(other.get());
        EXPECT_TRUE(display(mxz, method, code)) << user << " " << code;
    }
    EXPECT_EQ(host.detail.size(), 7);
    ASSERT_EQ(host.general.size(), 1);
    EXPECT_EQ(host.general[0].account, QStringLiteral("1002"));
    EXPECT_TRUE(pub().recordedMessages().isEmpty());
}

TEST_P(DisplayRequests, UnderTheNewReportTheFacadeGetsTheRequestByName)
{
    auto login = test::scratchLoginObject(GetParam(), QStringLiteral("li"));
    clsMxz mxz;
    mxz.setObjLogin(login.get());
    LoginContext::setWindowHost(&host);
    QObject business;
    mxz.setBusiness(&business);

    // Without the new report the window is asked, the facade never.
    EXPECT_TRUE(display(mxz, Method::Detail, "1002"));
    EXPECT_EQ(host.detail.size(), 1);
    EXPECT_TRUE(ReportFacade::received().isEmpty());

    login->login()->connection().execute(QStringLiteral("update gl_options set cvalue = N'1' where cname = N'NewReport'"));
    mxz.setObjLogin(login.get()); // the options are read again with the login
    EXPECT_TRUE(display(mxz, Method::Detail, "1002 x", QStringLiteral("6")));
    EXPECT_FALSE(display(mxz, Method::Detail, "1122")) << "the query right still holds";
    EXPECT_TRUE(display(mxz, Method::List, "1001|库存现金/1002|银行存款", QStringLiteral("2")));
    EXPECT_EQ(host.detail.size(), 1);
    const QList<ReportQuery> &queries = ReportFacade::received();
    ASSERT_EQ(queries.size(), 2);
    const ReportQuery &single = queries[0];
    EXPECT_EQ(single.business, &business);
    EXPECT_EQ(single.zzPub, mxz.MyZwPub());
    EXPECT_EQ(single.login, mxz.ObjLogin());
    EXPECT_EQ(single.reportId, QStringLiteral("gl_mxz"));
    EXPECT_TRUE(single.filterFromProject);
    const QList<QPair<QString, QVariant>> expected = {
        {QStringLiteral("month"), pub().periodText(6)}, {QStringLiteral("code"), QStringLiteral("1002")},
        {QStringLiteral("isinclude"), 1}};
    EXPECT_EQ(single.values, expected);
    EXPECT_EQ(single.reportKind, 0);
    EXPECT_EQ(single.filterInfo, QStringLiteral("month=%1;code=1002;isinclude=1").arg(pub().periodText(6)));
    EXPECT_FALSE(single.modal);

    const ReportQuery &list = queries[1];
    EXPECT_EQ(list.value(QStringLiteral("code")).toString(), QStringLiteral("1001;1002"));
    EXPECT_EQ(list.value(QStringLiteral("month")).toString(), pub().periodText(2));
    EXPECT_TRUE(list.modal) << "a list is shown modally";
    EXPECT_TRUE(mxz.isModal());
}

INSTANTIATE_TEST_SUITE_P(Backends, DisplayRequests, test::allBackends(), test::backendTestName);

} // namespace
} // namespace qxmxz

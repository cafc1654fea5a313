// The display methods of clsMxz: rights first, then the request handed to
// the window host (or to the report service), and a refusal with the
// component's message otherwise.

#include <gtest/gtest.h>

#include "EntryRig.h"
#include "entry/GlPublicObject.h"
#include "entry/LoginContext.h"
#include "entry/clsMxz.h"
#include "platform/outside/GlPublic.h"
#include "platform/outside/Login.h"
#include "support/Printers.h"
#include "platform/sql/Connection.h"
#include "support/TestDatabases.h"

namespace qxmxz {
namespace {

enum class Method { Detail, List, General };

bool display(clsMxz &mxz, Method method, QString &km, bool include = false, const QString &period = QStringLiteral("3"))
{
    quint8 number = quint8(period.toInt());
    QString text = period;
    switch (method) {
    case Method::Detail: return mxz.mxzDisplay(km, number, include);
    case Method::List: return mxz.mxzDisplay1(km, text, include);
    case Method::General: return mxz.ZzDisplay(km, include);
    }
    return false;
}

class DisplayRequests : public ::testing::TestWithParam<Backend> {
protected:
    void SetUp() override { test::resetComponent(); }
    void TearDown() override { test::resetComponent(); }

    GlPublic &pub() { return LoginContext::publicObject().pub(); }
    QString text(const QString &key, const QStringList &arguments = {}) { return pub().text(key, arguments); }

    test::RecordingWindowHost host;
};

struct Refusal {
    const char *user; // nullptr: no login
    const char *revokedRight; // taken from the user on a scratch company first
    bool withHost;
    Method method;
    const char *km;
    const char *key; // nullptr: any message
    QStringList arguments;
    const char *titleKey;
    int buttons; // -1: not checked
};

TEST_P(DisplayRequests, WhatTheUserMayNotSeeIsRefusedWithOneMessage)
{
    const char *noteInfo = "R7.GL.QXMXZ.clsmxz.noteinfo";
    const QList<Refusal> refusals{
        {"zhao", nullptr, true, Method::Detail, "1001", "R7.GL.QXMXZ.mxzdll.youhavenotright", {QStringLiteral("明细账")}, nullptr, 16},
        {"li", nullptr, true, Method::Detail, "1122", "R7.GL.QXMXZ.clsmxz.noqueryright", {}, "R7.GL.clscoderemark.notesinfo", 64},
        {"li", nullptr, true, Method::List, "1001|库存现金/1122|应收账款/1002|银行存款", "R7.GL.QXMXZ.clsmxz.nohavequeryright",
         {QStringLiteral("1122")}, noteInfo, -1},
        {"li", "GL030101", true, Method::General, "1002", "R7.GL.QXMXZ.clsmxz.00247", {}, noteInfo, -1},
        {"demo", nullptr, true, Method::List, "1001|库存现金/9999|无", "R7.GL.QXMXZ.clsmxz.kminputwrong", {}, noteInfo, -1},
        {"demo", nullptr, false, Method::Detail, "1001", "QXMXZ.entry.nowindowhost", {}, noteInfo, -1},
        {"demo", nullptr, false, Method::General, "1002", "QXMXZ.entry.nowindowhost", {}, noteInfo, -1},
        {nullptr, nullptr, true, Method::Detail, "1001", nullptr, {}, nullptr, -1},
    };
    for (const Refusal &c : refusals) {
        SCOPED_TRACE(std::string(c.user ? c.user : "no login") + " " + c.km);
        test::resetComponent();
        host = {};
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
        if (c.withHost)
            LoginContext::setWindowHost(&host);
        QString km = QString::fromUtf8(c.km);
        EXPECT_FALSE(display(mxz, c.method, km, true));
        EXPECT_TRUE(host.detail.isEmpty() && host.general.isEmpty() && host.reports.isEmpty());
        const QList<MessageBoxRequest> &messages = pub().recordedMessages();
        ASSERT_EQ(messages.size(), 1);
        if (c.key) {
            EXPECT_EQ(messages[0].prompt, text(QString::fromLatin1(c.key), c.arguments));
            EXPECT_NE(messages[0].prompt, QString::fromLatin1(c.key)) << "the text exists";
        }
        if (c.titleKey) {
            EXPECT_EQ(messages[0].title, text(QString::fromLatin1(c.titleKey)));
        }
        if (c.buttons >= 0) {
            EXPECT_EQ(messages[0].buttons, c.buttons);
        }
        if (login) {
            EXPECT_EQ(login->login()->errorNumber(), 0);
        }
    }
}

TEST_P(DisplayRequests, TheWindowHostReceivesWhatTheUserMaySee)
{
    LoginContext::setWindowHost(&host);
    clsMxz mxz;
    auto login = test::demoLoginObject(GetParam(), QStringLiteral("demo"));
    mxz.setObjLogin(login.get());

    QString km = QStringLiteral("1001 备查");
    EXPECT_TRUE(display(mxz, Method::Detail, km, true, QStringLiteral("4")));
    EXPECT_EQ(km, QStringLiteral("1001 库存现金")) << "the host's variable receives code and name";
    ASSERT_EQ(host.detail.size(), 1);
    EXPECT_EQ(host.detail[0].accountEntries, QStringList{QStringLiteral("1001 库存现金")});
    EXPECT_EQ(host.detail[0].period, 4);
    EXPECT_TRUE(host.detail[0].includeUnposted);
    EXPECT_EQ(host.detail[0].qualifier, QStringLiteral("备查"));
    EXPECT_FALSE(host.detail[0].voucherCommandEnabled) << "no mxzDisplay1 call yet";

    // A list opens on its first account in the amount style; the period is a number or a date.
    km = QStringLiteral("1001|库存现金/1002|银行存款");
    EXPECT_TRUE(display(mxz, Method::List, km, false, QStringLiteral("11")));
    EXPECT_EQ(km, QStringLiteral("1001/1002"));
    EXPECT_EQ(host.detail[1].accountEntries, (QStringList{QStringLiteral("1001 库存现金"), QStringLiteral("1002 银行存款")}));
    EXPECT_EQ(host.detail[1].period, 11);
    EXPECT_TRUE(host.detail[1].voucherCommandEnabled);
    EXPECT_EQ(host.detail[1].styleText, text(QStringLiteral("R7.GL.QXMXZ.clsmxz.cashstyle")));
    km = QStringLiteral("1001");
    EXPECT_TRUE(display(mxz, Method::List, km, false, QStringLiteral("2026-05-10")));
    EXPECT_EQ(host.detail[2].period, 5);
    km = QStringLiteral("1001");
    EXPECT_TRUE(display(mxz, Method::Detail, km));
    EXPECT_TRUE(host.detail[3].voucherCommandEnabled) << "from now on mxzDisplay enables it too";

    // Restricted users see what their rights allow: li some accounts, qian
    // (exempt) all, zhao the general ledger without the detail ledgers.
    const QList<std::tuple<const char *, Method, const char *>> allowed{
        {"li", Method::Detail, "1002"}, {"li", Method::List, "1001|库存现金/1002|银行存款"},
        {"qian", Method::Detail, "1122"}, {"zhao", Method::General, "1002"}};
    for (const auto &[user, method, code] : allowed) {
        auto other = test::demoLoginObject(GetParam(), QString::fromLatin1(user));
        mxz.setObjLogin(other.get());
        km = QString::fromUtf8(code);
        EXPECT_TRUE(display(mxz, method, km, true)) << user << " " << code;
    }
    EXPECT_EQ(host.detail.size(), 7);
    ASSERT_EQ(host.general.size(), 1);
    EXPECT_EQ(host.general[0].account, QStringLiteral("1002"));
    EXPECT_TRUE(host.general[0].includeUnposted);
    EXPECT_TRUE(pub().recordedMessages().isEmpty());
}

TEST_P(DisplayRequests, UnderTheNewReportTheRequestGoesToTheReportService)
{
    auto login = test::scratchLoginObject(GetParam(), QStringLiteral("li"));
    login->login()->connection().execute(QStringLiteral("update gl_options set cvalue = N'1' where cname = N'NewReport'"));
    clsMxz mxz;
    mxz.setObjLogin(login.get());
    LoginContext::setWindowHost(&host);
    QObject business;
    mxz.setBusiness(&business);

    QString km = QStringLiteral("1002 x");
    EXPECT_TRUE(display(mxz, Method::Detail, km, true, QStringLiteral("6")));
    km = QStringLiteral("1122");
    EXPECT_FALSE(display(mxz, Method::Detail, km)) << "the query right still holds";
    km = QStringLiteral("1001|库存现金/1002|银行存款");
    EXPECT_TRUE(display(mxz, Method::List, km));
    EXPECT_TRUE(host.detail.isEmpty());
    ASSERT_EQ(host.reports.size(), 2);
    const ReportRequest &r = host.reports[0];
    EXPECT_EQ(r.reportId, QStringLiteral("gl_mxz"));
    EXPECT_EQ(r.code, QStringLiteral("1002"));
    EXPECT_EQ(r.monthText, pub().periodText(6));
    EXPECT_EQ(r.isInclude, 1);
    EXPECT_FALSE(r.isModal);
    EXPECT_EQ(r.business, &business);
    EXPECT_EQ(host.reports[1].accountText, QStringLiteral("1001;1002"));
    EXPECT_TRUE(host.reports[1].isModal) << "a list is shown modally";
}

INSTANTIATE_TEST_SUITE_P(Backends, DisplayRequests, test::bothBackends(), test::backendTestName);

} // namespace
} // namespace qxmxz

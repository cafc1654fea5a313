// Data rights of the demo users on accounts and departments: li may read the
// accounts 1001 and 1002 (with the bank accounts under it) only, sun the
// departments 01, 03 and 0301 only; demo is not restricted.

#include "services/DataRightChecks.h"

#include <gtest/gtest.h>

#include "platform/outside/GlPublic.h"
#include "platform/outside/Login.h"
#include "platform/outside/QtStringPrinting.h"
#include "platform/sql/Connection.h"
#include "support/TestDatabases.h"
#include "support/TestSession.h"

namespace qxmxz {
namespace {

class DataRightChecks : public ::testing::TestWithParam<Backend> {
protected:
    std::unique_ptr<test::TestSession> session(const char *user)
    {
        return test::openDemoSession(GetParam(), QString::fromLatin1(user));
    }
    static QString noAccount(test::TestSession &s, const QString &code)
    {
        return s.pub.text(QStringLiteral("R7.GL.QXMXZ.mxzdll.operatornoright"), {code});
    }
    static QString noDepartment(test::TestSession &s, const QString &name)
    {
        return s.pub.text(QStringLiteral("R7.GL.QXMXZ.mxzdll.operatornodepright"), {name});
    }
};

TEST_P(DataRightChecks, AnUnrestrictedUserPassesEveryCheck)
{
    auto s = session("demo");
    QString message;
    EXPECT_TRUE(CheckCodeRight(s->pub, DataRightKind::Accounts, QStringLiteral("1"), message));
    EXPECT_TRUE(CheckCodeRight(s->pub, DataRightKind::Departments, QString(), message));
    EXPECT_TRUE(CheckCodeRangeRight(s->pub, DataRightKind::Accounts, QString(), QString(), message));
    EXPECT_TRUE(CheckGradeRight(s->pub, QStringLiteral("Grade"), message, {}, {}, 1, 3));
    EXPECT_TRUE(message.isEmpty());
    EXPECT_TRUE(s->messages.messages().isEmpty()) << "the checks show nothing themselves";
}

TEST_P(DataRightChecks, AnUnrestrictedUserIsAnsweredWithoutAQuery)
{
    auto s = test::openScratchDemoSession(GetParam(), QStringLiteral("demo"));
    s->login->connection().execute(QStringLiteral("drop table code"));
    QString message;
    EXPECT_TRUE(CheckCodeRight(s->pub, DataRightKind::Accounts, QStringLiteral("1001"), message));
    EXPECT_TRUE(CheckGradeRight(s->pub, QStringLiteral("EndGrade"), message, {}, {}, 0, 0));
}

TEST_P(DataRightChecks, AccountsUnderAPrefix)
{
    auto s = session("li");
    QString message;
    EXPECT_TRUE(CheckCodeRight(s->pub, DataRightKind::Accounts, QStringLiteral("1001"), message));
    EXPECT_TRUE(CheckCodeRight(s->pub, DataRightKind::Accounts, QStringLiteral("1002"), message));
    EXPECT_TRUE(CheckCodeRight(s->pub, DataRightKind::Accounts, QStringLiteral("100202"), message));
    EXPECT_TRUE(message.isEmpty());
    EXPECT_TRUE(CheckCodeRight(s->pub, DataRightKind::Accounts, QStringLiteral("9999"), message))
        << "a prefix that matches no account passes";

    EXPECT_FALSE(CheckCodeRight(s->pub, DataRightKind::Accounts, QStringLiteral("1122"), message));
    EXPECT_EQ(message, noAccount(*s, QStringLiteral("1122")));
    // The walk stops at the first unreadable code in code order.
    EXPECT_FALSE(CheckCodeRight(s->pub, DataRightKind::Accounts, QStringLiteral("1"), message));
    EXPECT_EQ(message, noAccount(*s, QStringLiteral("1122")));
    EXPECT_FALSE(CheckCodeRight(s->pub, DataRightKind::Accounts, QString(), message));
    EXPECT_EQ(message, noAccount(*s, QStringLiteral("1122")));
}

TEST_P(DataRightChecks, AccountRanges)
{
    auto s = session("li");
    QString message;
    // Only an end: everything up to 1002 and the children of 1002.
    EXPECT_TRUE(CheckCodeRangeRight(s->pub, DataRightKind::Accounts, QString(), QStringLiteral("1002"), message));
    EXPECT_TRUE(CheckCodeRangeRight(s->pub, DataRightKind::Accounts, QStringLiteral("1001"), QStringLiteral("1002"), message));
    // A range given backwards selects nothing and passes.
    EXPECT_TRUE(CheckCodeRangeRight(s->pub, DataRightKind::Accounts, QStringLiteral("1122"), QStringLiteral("1001"), message));
    EXPECT_TRUE(message.isEmpty());
    EXPECT_FALSE(CheckCodeRangeRight(s->pub, DataRightKind::Accounts, QStringLiteral("1001"), QStringLiteral("1221"), message));
    EXPECT_EQ(message, noAccount(*s, QStringLiteral("1122")));
    message.clear();
    EXPECT_FALSE(CheckCodeRangeRight(s->pub, DataRightKind::Accounts, QStringLiteral("1002"), QString(), message));
    EXPECT_EQ(message, noAccount(*s, QStringLiteral("1122")));
}

TEST_P(DataRightChecks, GradesAndEndAccounts)
{
    auto s = session("li");
    QString message;
    EXPECT_FALSE(CheckGradeRight(s->pub, QStringLiteral("Grade"), message, {}, {}, 1, 1));
    EXPECT_EQ(message, noAccount(*s, QStringLiteral("1122")));
    message.clear();
    EXPECT_TRUE(CheckGradeRight(s->pub, QStringLiteral("Grade"), message, QStringLiteral("1001"), QStringLiteral("1002"), 1, 2));
    EXPECT_TRUE(CheckGradeRight(s->pub, QStringLiteral("EndGrade"), message, QStringLiteral("1001"), QStringLiteral("1002"), 0, 0));
    EXPECT_TRUE(message.isEmpty());
    EXPECT_FALSE(CheckGradeRight(s->pub, QStringLiteral("Grade"), message, QStringLiteral("1002"), QString(), 1, 2));
    EXPECT_EQ(message, noAccount(*s, QStringLiteral("1122")));
    message.clear();
    EXPECT_FALSE(CheckGradeRight(s->pub, QStringLiteral("EndGrade"), message, QString(), QStringLiteral("1122"), 0, 0));
    EXPECT_EQ(message, noAccount(*s, QStringLiteral("112201"))) << "1122 itself is no end account";
}

TEST_P(DataRightChecks, DepartmentsNameTheFirstUnreadableDepartment)
{
    auto s = session("sun");
    QString message;
    EXPECT_TRUE(CheckCodeRight(s->pub, DataRightKind::Departments, QStringLiteral("01"), message));
    EXPECT_TRUE(CheckCodeRight(s->pub, DataRightKind::Departments, QStringLiteral("0301"), message));
    EXPECT_TRUE(message.isEmpty());
    EXPECT_FALSE(CheckCodeRight(s->pub, DataRightKind::Departments, QStringLiteral("03"), message));
    EXPECT_EQ(message, noDepartment(*s, QStringLiteral("国际销售部")));
    // "03" to "01" is read as "01" to "03" and the departments under "03".
    message.clear();
    EXPECT_FALSE(CheckCodeRangeRight(s->pub, DataRightKind::Departments, QStringLiteral("03"), QStringLiteral("01"), message));
    EXPECT_EQ(message, noDepartment(*s, QStringLiteral("财务部")));
    message.clear();
    EXPECT_TRUE(CheckCodeRangeRight(s->pub, DataRightKind::Departments, QStringLiteral("01"), QStringLiteral("01"), message));
    // sun's accounts are not restricted.
    EXPECT_TRUE(CheckCodeRight(s->pub, DataRightKind::Accounts, QStringLiteral("1"), message));
    EXPECT_TRUE(message.isEmpty());
}

TEST_P(DataRightChecks, ACraftedCodeCannotWidenACheck)
{
    auto s = session("li");
    for (const QString &code : {QStringLiteral("1001' or '1'='1"), QStringLiteral("1001'--"), QStringLiteral("%"),
                                QStringLiteral("9%"), QStringLiteral("1__1"), QStringLiteral("1001 1122")}) {
        QString message;
        EXPECT_FALSE(CheckCodeRight(s->pub, DataRightKind::Accounts, code, message)) << code.toStdString();
        EXPECT_EQ(message, noAccount(*s, code));
        message.clear();
        EXPECT_FALSE(CheckCodeRangeRight(s->pub, DataRightKind::Accounts, QStringLiteral("1001"), code, message)) << code.toStdString();
        EXPECT_EQ(message, noAccount(*s, code));
        message.clear();
        EXPECT_FALSE(CheckGradeRight(s->pub, QStringLiteral("Grade"), message, code, QString(), 1, 3)) << code.toStdString();
        EXPECT_EQ(message, noAccount(*s, code));
    }
    auto sun = session("sun");
    QString message;
    EXPECT_FALSE(CheckCodeRight(sun->pub, DataRightKind::Departments, QStringLiteral("0' or '1'='1"), message));
    EXPECT_EQ(message, noDepartment(*sun, QStringLiteral("0' or '1'='1")));
}

INSTANTIATE_TEST_SUITE_P(Backends, DataRightChecks, test::bothBackends(), test::backendTestName);

} // namespace
} // namespace qxmxz

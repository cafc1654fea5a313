// Data rights of the demo users on accounts and departments: li may read the
// accounts 1001 and 1002 (with the bank accounts under it) only, sun the
// departments 01, 03 and 0301 only; demo is not restricted.

#include "services/DataRightChecks.h"

#include <gtest/gtest.h>

#include "platform/outside/GlPublic.h"
#include "platform/outside/Login.h"
#include "support/Printers.h"
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

TEST_P(DataRightChecks, AnUnrestrictedUserIsAnsweredWithoutAQuery)
{
    auto s = test::openScratchDemoSession(GetParam(), QStringLiteral("demo"));
    s->login->connection().execute(QStringLiteral("drop table code"));
    QString message;
    EXPECT_TRUE(CheckCodeRight(s->pub, DataRightKind::Accounts, QStringLiteral("1"), message));
    EXPECT_TRUE(CheckCodeRight(s->pub, DataRightKind::Departments, QString(), message));
    EXPECT_TRUE(CheckCodeRangeRight(s->pub, DataRightKind::Accounts, QString(), QString(), message));
    EXPECT_TRUE(CheckGradeRight(s->pub, QStringLiteral("Grade"), message, {}, {}, 1, 3));
    EXPECT_TRUE(CheckGradeRight(s->pub, QStringLiteral("EndGrade"), message, {}, {}, 0, 0));
    EXPECT_TRUE(message.isEmpty());
    EXPECT_TRUE(s->messages.messages().isEmpty()) << "the checks show nothing themselves";
}

TEST_P(DataRightChecks, AccountChecksStopAtTheFirstUnreadableCode)
{
    auto s = session("li");
    enum Check { Prefix, Range, Grade, EndGrade };
    // The check, its codes and grades, and the account it names (none: the check passes).
    const struct {
        Check check;
        const char *from, *to;
        int firstGrade, lastGrade;
        const char *refused;
    } cases[] = {
        {Prefix, "1001", "", 0, 0, ""}, {Prefix, "100202", "", 0, 0, ""},
        {Prefix, "9999", "", 0, 0, ""}, // a prefix that matches no account passes
        {Prefix, "1122", "", 0, 0, "1122"}, {Prefix, "1", "", 0, 0, "1122"}, {Prefix, "", "", 0, 0, "1122"},
        {Range, "", "1002", 0, 0, ""}, // everything up to 1002 and the children of 1002
        {Range, "1001", "1002", 0, 0, ""},
        {Range, "1122", "1001", 0, 0, ""}, // a range given backwards selects nothing
        {Range, "1001", "1221", 0, 0, "1122"}, {Range, "1002", "", 0, 0, "1122"},
        {Grade, "", "", 1, 1, "1122"}, {Grade, "1001", "1002", 1, 2, ""}, {Grade, "1002", "", 1, 2, "1122"},
        {EndGrade, "1001", "1002", 0, 0, ""},
        {EndGrade, "", "1122", 0, 0, "112201"}, // 1122 itself is no end account
    };
    for (const auto &c : cases) {
        const QString from = QString::fromLatin1(c.from), to = QString::fromLatin1(c.to);
        QString message;
        bool passed = false;
        switch (c.check) {
        case Prefix: passed = CheckCodeRight(s->pub, DataRightKind::Accounts, from, message); break;
        case Range: passed = CheckCodeRangeRight(s->pub, DataRightKind::Accounts, from, to, message); break;
        case Grade:
        case EndGrade:
            passed = CheckGradeRight(s->pub, c.check == Grade ? QStringLiteral("Grade") : QStringLiteral("EndGrade"),
                                     message, from, to, c.firstGrade, c.lastGrade);
            break;
        }
        const bool refused = *c.refused != 0;
        EXPECT_EQ(passed, !refused) << c.check << " " << c.from << " " << c.to;
        EXPECT_EQ(message, refused ? noAccount(*s, QString::fromLatin1(c.refused)) : QString())
            << c.check << " " << c.from << " " << c.to;
    }
}

TEST_P(DataRightChecks, DepartmentsNameTheFirstUnreadableDepartment)
{
    auto s = session("sun");
    QString message;
    EXPECT_TRUE(CheckCodeRight(s->pub, DataRightKind::Departments, QStringLiteral("01"), message));
    EXPECT_TRUE(CheckCodeRight(s->pub, DataRightKind::Departments, QStringLiteral("0301"), message));
    EXPECT_TRUE(CheckCodeRangeRight(s->pub, DataRightKind::Departments, QStringLiteral("01"), QStringLiteral("01"), message));
    EXPECT_TRUE(CheckCodeRight(s->pub, DataRightKind::Accounts, QStringLiteral("1"), message)) << "sun's accounts are free";
    EXPECT_TRUE(message.isEmpty());
    EXPECT_FALSE(CheckCodeRight(s->pub, DataRightKind::Departments, QStringLiteral("03"), message));
    EXPECT_EQ(message, noDepartment(*s, QStringLiteral("国际销售部")));
    // "03" to "01" is read as "01" to "03" and the departments under "03".
    message.clear();
    EXPECT_FALSE(CheckCodeRangeRight(s->pub, DataRightKind::Departments, QStringLiteral("03"), QStringLiteral("01"), message));
    EXPECT_EQ(message, noDepartment(*s, QStringLiteral("财务部")));
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

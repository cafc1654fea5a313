// Data rights of the demo users on accounts and departments: li may read the
// accounts 1001 and 1002 (with the bank accounts under it) only, sun the
// departments 01, 03 and 0301 only; demo is not restricted.

#include "services/DataRightChecks.h"

#include <gtest/gtest.h>

#include "platform/sql/Connection.h"
#include "support/Printers.h"
#include "support/TestDatabases.h"
#include "support/TestSession.h"

namespace qxmxz {
namespace {

enum Check { Prefix, Range, Grade, EndGrade };
constexpr DataRightKind Accounts = DataRightKind::Accounts, Departments = DataRightKind::Departments;

// Runs one check (grades 1 to 2 for Grade); the message of its refusal, or "passed".
QString run(GlPublic &pub, Check check, const QString &from, const QString &to = {}, DataRightKind kind = Accounts)
{
    QString message;
    bool passed = false;
    switch (check) {
    case Prefix: passed = CheckCodeRight(pub, kind, from, message); break;
    case Range: passed = CheckCodeRangeRight(pub, kind, from, to, message); break;
    case Grade: passed = CheckGradeRight(pub, QStringLiteral("Grade"), message, from, to, 1, 2); break;
    case EndGrade: passed = CheckGradeRight(pub, QStringLiteral("EndGrade"), message, from, to, 0, 0); break;
    }
    EXPECT_EQ(passed, message.isEmpty()) << "a refusal, and only a refusal, names a code";
    return passed ? QStringLiteral("passed") : message;
}

QString refused(GlPublic &pub, DataRightKind kind, const QString &codeOrName)
{
    return pub.text(kind == Accounts ? QStringLiteral("R7.GL.QXMXZ.mxzdll.operatornoright")
                                     : QStringLiteral("R7.GL.QXMXZ.mxzdll.operatornodepright"),
                    {codeOrName});
}

class DataRightChecks : public test::BackendTest {};

TEST_P(DataRightChecks, AnUnrestrictedUserIsAnsweredWithoutAQuery)
{
    auto s = test::openScratchDemoSession(GetParam(), QStringLiteral("demo"));
    s->login->connection().execute(QStringLiteral("drop table code"));
    for (Check check : {Prefix, Range, Grade, EndGrade})
        EXPECT_EQ(run(s->pub, check, QStringLiteral("1")), QStringLiteral("passed")) << check;
    EXPECT_EQ(run(s->pub, Prefix, QString(), {}, Departments), QStringLiteral("passed"));
    EXPECT_TRUE(s->messages.messages().isEmpty()) << "the checks show nothing themselves";
}

TEST_P(DataRightChecks, AccountChecksStopAtTheFirstUnreadableCode)
{
    auto s = test::openDemoSession(GetParam(), QStringLiteral("li"));
    // The check, its codes, and the account it names (none: the check passes).
    const std::tuple<Check, const char *, const char *, const char *> cases[] = {
        {Prefix, "1001", "", ""}, {Prefix, "100202", "", ""},
        {Prefix, "9999", "", ""}, // a prefix that matches no account passes
        {Prefix, "1122", "", "1122"}, {Prefix, "1", "", "1122"}, {Prefix, "", "", "1122"},
        {Range, "", "1002", ""}, // everything up to 1002 and the children of 1002
        {Range, "1122", "1001", ""}, // a range given backwards selects nothing
        {Range, "1001", "1221", "1122"}, {Range, "1002", "", "1122"},
        {Grade, "", "", "1122"}, {Grade, "1001", "1002", ""}, {Grade, "1002", "", "1122"},
        {EndGrade, "1001", "1002", ""},
        {EndGrade, "", "1122", "112201"}, // 1122 itself is no end account
    };
    for (const auto &[check, from, to, account] : cases)
        EXPECT_EQ(run(s->pub, check, QString::fromLatin1(from), QString::fromLatin1(to)),
                  *account ? refused(s->pub, Accounts, QString::fromLatin1(account)) : QStringLiteral("passed"))
            << check << " " << from << " " << to;
}

TEST_P(DataRightChecks, DepartmentsNameTheFirstUnreadableDepartment)
{
    auto s = test::openDemoSession(GetParam(), QStringLiteral("sun"));
    const QString passed = QStringLiteral("passed");
    EXPECT_EQ(run(s->pub, Prefix, QStringLiteral("0301"), {}, Departments), passed);
    EXPECT_EQ(run(s->pub, Range, QStringLiteral("01"), QStringLiteral("01"), Departments), passed);
    EXPECT_EQ(run(s->pub, Prefix, QStringLiteral("1")), passed) << "sun's accounts are free";
    EXPECT_EQ(run(s->pub, Prefix, QStringLiteral("03"), {}, Departments), refused(s->pub, Departments, QStringLiteral("国际销售部")));
    // "03" to "01" is read as "01" to "03" and the departments under "03".
    EXPECT_EQ(run(s->pub, Range, QStringLiteral("03"), QStringLiteral("01"), Departments),
              refused(s->pub, Departments, QStringLiteral("财务部")));
}

TEST_P(DataRightChecks, ACraftedCodeCannotWidenACheck)
{
    auto s = test::openDemoSession(GetParam(), QStringLiteral("li"));
    for (const QString &code : {QStringLiteral("1001' or '1'='1"), QStringLiteral("1001'--"), QStringLiteral("%"),
                                QStringLiteral("9%"), QStringLiteral("1__1"), QStringLiteral("1001 1122")}) {
        EXPECT_EQ(run(s->pub, Prefix, code), refused(s->pub, Accounts, code));
        EXPECT_EQ(run(s->pub, Range, QStringLiteral("1001"), code), refused(s->pub, Accounts, code));
        EXPECT_EQ(run(s->pub, Grade, code), refused(s->pub, Accounts, code));
    }
    auto sun = test::openDemoSession(GetParam(), QStringLiteral("sun"));
    const QString code = QStringLiteral("0' or '1'='1");
    EXPECT_EQ(run(sun->pub, Prefix, code, {}, Departments), refused(sun->pub, Departments, code));
}

INSTANTIATE_TEST_SUITE_P(Backends, DataRightChecks, test::allBackends(), test::backendTestName);

} // namespace
} // namespace qxmxz

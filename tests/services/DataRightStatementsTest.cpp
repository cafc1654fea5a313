// The statements of the data-right checks, exactly as they are assembled.

#include "services/DataRightStatements.h"

#include <gtest/gtest.h>

#include "platform/Failure.h"
#include "platform/outside/QtStringPrinting.h"

namespace qxmxz {
namespace {

const QString S = QStringLiteral("select cACCode from rights");

TEST(DataRightStatements, CodePrefixOfAccountsAndDepartments)
{
    EXPECT_EQ(codeRightStatement(DataRightKind::Accounts, QStringLiteral("1002"), S),
              QStringLiteral("select Ta.ccode as CodeId,Tc.cACCode as AuthId from (select ccode from code where ccode "
                             "like N'1002%') Ta left outer join (select cACCode from rights) Tc on Ta.ccode = "
                             "Tc.cACCode  order by Ta.ccode"));
    EXPECT_EQ(codeRightStatement(DataRightKind::Departments, QStringLiteral("03"), S),
              QStringLiteral("select Ta.cDepName,Ta.cDepCode as cDepId,Tc.cACCode as AuthId from (select "
                             "cDepCode,cDepName from department where cDepCode  like N'03%') Ta left outer join "
                             "(select cACCode from rights) Tc on Ta.cDepCode = Tc.cACCode order by  Ta.cDepCode"));
}

TEST(DataRightStatements, AccountRangesForEachPairOfEnds)
{
    const QString head = QStringLiteral(
        "select Ta.ccode as CodeId,Tc.cACCode as AuthId from (select ccode from code where 1=1 ");
    const QString tail = QStringLiteral(
        ") Ta left outer join (select cACCode from rights) Tc on Ta.ccode = Tc.cACCode  order by Ta.ccode");
    EXPECT_EQ(codeRangeRightStatement(DataRightKind::Accounts, {}, {}, S, {}), head + tail);
    EXPECT_EQ(codeRangeRightStatement(DataRightKind::Accounts, QStringLiteral("1001"), {}, S, {}),
              head + QStringLiteral("and (ccode >= N'1001')") + tail);
    EXPECT_EQ(codeRangeRightStatement(DataRightKind::Accounts, {}, QStringLiteral("1002"), S, {}),
              head + QStringLiteral(" and (ccode <= N'1002' or ccode like N'1002%') ") + tail);
    EXPECT_EQ(codeRangeRightStatement(DataRightKind::Accounts, QStringLiteral("1001"), QStringLiteral("1002"), S, {}),
              head + QStringLiteral(" and (ccode >=N'1001' and ccode <= N'1002' or ccode like N'1002%') ") + tail);
    // Accounts given backwards stay as given.
    EXPECT_EQ(codeRangeRightStatement(DataRightKind::Accounts, QStringLiteral("1122"), QStringLiteral("1001"), S, {}),
              head + QStringLiteral(" and (ccode >=N'1122' and ccode <= N'1001' or ccode like N'1001%') ") + tail);
    // The extra condition follows "where 1=1 " directly.
    EXPECT_EQ(codeRangeRightStatement(DataRightKind::Accounts, {}, {}, S, QStringLiteral("and bend=1 ")),
              head + QStringLiteral("and bend=1 ") + tail);
}

TEST(DataRightStatements, DepartmentRangesAreTurnedRoundWhenGivenBackwards)
{
    const QString head = QStringLiteral("select Ta.cDepName,Ta.cDepCode as cDepId,Tc.cACCode as AuthId from (select "
                                        "cDepCode,cDepName from department where 1=1 ");
    const QString tail = QStringLiteral(") Ta left outer join (select cACCode from rights) Tc on Ta.cDepCode = "
                                        "Tc.cACCode  order by Ta.cDepCode");
    const QString forwards =
        head + QStringLiteral(" and (cDepCode >=N'01' and cDepCode <= N'03' or cDepCode like N'03%') ") + tail;
    EXPECT_EQ(codeRangeRightStatement(DataRightKind::Departments, QStringLiteral("01"), QStringLiteral("03"), S, {}),
              forwards);
    EXPECT_EQ(codeRangeRightStatement(DataRightKind::Departments, QStringLiteral("03"), QStringLiteral("01"), S, {}),
              head + QStringLiteral(" and (cDepCode >=N'01' and cDepCode <= N'03' or cDepCode like N'03%') ") + tail);
    EXPECT_EQ(codeRangeRightStatement(DataRightKind::Departments, QStringLiteral("02"), {}, S, {}),
              head + QStringLiteral("and (cDepCode >= N'02')") + tail);
    EXPECT_EQ(codeRangeRightStatement(DataRightKind::Departments, {}, QStringLiteral("02"), S, {}),
              head + QStringLiteral(" and (cDepCode <= N'02' or cDepCode like N'02%') ") + tail);
}

TEST(DataRightStatements, GradeAndEndGradeHeads)
{
    const QString tail = QStringLiteral(
        ") Ta left outer join (select cACCode from rights) Tc on Ta.ccode = Tc.cACCode  order by Ta.ccode");
    EXPECT_EQ(gradeRightStatement(QStringLiteral("Grade"), {}, {}, 1, 2, S),
              QStringLiteral("select Ta.ccode as CodeId,Tc.cACCode as AuthId from (select ccode from code where "
                             "iGrade >= 1 and iGrade <= 2 ")
                  + tail);
    EXPECT_EQ(gradeRightStatement(QStringLiteral("Grade"), QStringLiteral("1002"), {}, 1, 2, S),
              QStringLiteral("select Ta.ccode as CodeId,Tc.cACCode as AuthId from (select ccode from code where "
                             "iGrade >= 1 and iGrade <= 2 and (ccode >= N'1002')")
                  + tail);
    EXPECT_EQ(gradeRightStatement(QStringLiteral("Grade"), QStringLiteral("1001"), QStringLiteral("1122"), 1, 3, S),
              QStringLiteral("select Ta.ccode as CodeId,Tc.cACCode as AuthId from (select ccode from code where "
                             "iGrade >= 1 and iGrade <= 3  and (ccode >=N'1001' and ccode <= N'1122' or ccode like "
                             "N'1122%') ")
                  + tail);
    EXPECT_EQ(gradeRightStatement(QStringLiteral("EndGrade"), {}, QStringLiteral("1002"), 0, 0, S),
              QStringLiteral("select Ta.ccode as CodeId,Tc.cACCode as AuthId from (select ccode from code where bEnd "
                             "= 1  and (ccode <= N'1002' or ccode like N'1002%') ")
                  + tail);
    EXPECT_THROW(gradeRightStatement(QStringLiteral("grade"), {}, {}, 1, 1, S), Failure);
}

TEST(DataRightStatements, ACraftedCodeNeverReachesAStatement)
{
    for (const QString &code : {QStringLiteral("1001' or '1'='1"), QStringLiteral("10%"), QStringLiteral("100_"),
                                QStringLiteral("1001 "), QStringLiteral("[1]")}) {
        EXPECT_THROW(codeRightStatement(DataRightKind::Accounts, code, S), Failure) << code.toStdString();
        EXPECT_THROW(codeRangeRightStatement(DataRightKind::Departments, code, {}, S, {}), Failure) << code.toStdString();
        EXPECT_THROW(codeRangeRightStatement(DataRightKind::Accounts, {}, code, S, {}), Failure) << code.toStdString();
        EXPECT_THROW(gradeRightStatement(QStringLiteral("EndGrade"), code, {}, 0, 0, S), Failure) << code.toStdString();
    }
}

TEST(DataRightStatements, AuthorityObjectNames)
{
    EXPECT_EQ(authorityObjectName(DataRightKind::Accounts), QStringLiteral("code"));
    EXPECT_EQ(authorityObjectName(DataRightKind::Departments), QStringLiteral("department"));
    EXPECT_EQ(int(DataRightKind::Accounts), 0);
    EXPECT_EQ(int(DataRightKind::Departments), 4);
}

} // namespace
} // namespace qxmxz

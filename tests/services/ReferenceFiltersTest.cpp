// The filters of the reference lists and the choice read back: each filter
// as it is written, and run on the demo company so that it finds what the
// operator typed.

#include "services/ReferenceFilters.h"

#include <gtest/gtest.h>

#include "platform/Failure.h"
#include "platform/outside/GlPublic.h"
#include "support/Printers.h"
#include "platform/sql/Connection.h"
#include "support/TestDatabases.h"
#include "support/TestSession.h"

namespace qxmxz {
namespace {

TEST(ReferenceSetup, FiltersByCodeOrNameAndAPersonsDepartmentInASecondFilter)
{
    EXPECT_EQ(referenceSetup(28, QStringLiteral("东")).filterStrings,
              QStringList{QStringLiteral("districtclass.cdccode like '%东%' or districtClass.cdcname like '%东%'")});
    const QString person = QStringLiteral("person.cpersoncode like '%王%' or person.cpersonname like '%王%'");
    EXPECT_EQ(referenceSetup(2, QStringLiteral("王")).filterStrings, QStringList{person});
    EXPECT_EQ(referenceSetup(2, QStringLiteral("王"), QStringLiteral("02")).filterStrings,
              (QStringList{person, QStringLiteral("(") + person + QStringLiteral(") and person.cdepcode like '%02%'")}));
    for (int type : {1, 2, 11, 12, 26, 27, 28})
        EXPECT_TRUE(referenceSetup(type, QStringLiteral("x")).setsLoginAndType) << type;
    for (int type : {3, 4})
        EXPECT_FALSE(referenceSetup(type, QStringLiteral("x")).setsLoginAndType) << type;
    for (int type : {1, 2, 3, 4, 11, 12, 26, 27, 28})
        EXPECT_FALSE(referenceSetup(type, QString(), QStringLiteral("01")).isFiltered()) << "empty text, type " << type;
    EXPECT_THROW(referenceSetup(5, QStringLiteral("x")), Failure);
}

class ReferenceLists : public ::testing::TestWithParam<Backend> {
protected:
    // The choice of the first row the filter finds in the table.
    std::optional<ReferenceChoice> firstChoice(const QString &table, int type, const QString &typed,
                                               const QString &optional = {})
    {
        const ReferenceSetup setup = referenceSetup(type, typed, optional);
        QString sql;
        if (!setup.statement.isEmpty())
            sql = setup.statement;
        else
            sql = QStringLiteral("select * from ") + table + QStringLiteral(" where ")
                  + (setup.itemFilter.isEmpty() ? setup.filterStrings.last() : setup.itemFilter);
        RecordSet rows = s->pub.database().query(sql + (setup.statement.isEmpty() ? QStringLiteral(" order by 1, 2")
                                                                                     : QString()));
        return readReferenceChoice(type, rows, optional);
    }

    void SetUp() override { s = test::openDemoSession(GetParam()); }
    std::unique_ptr<test::TestSession> s;
};

TEST_P(ReferenceLists, EachFilterFindsWhatWasTyped)
{
    EXPECT_EQ(firstChoice(QStringLiteral("department"), 1, QStringLiteral("国际")),
              (ReferenceChoice{QStringLiteral("0302"), QStringLiteral("国际销售部"), {}}));
    EXPECT_EQ(firstChoice(QStringLiteral("person"), 2, QStringLiteral("伟")),
              (ReferenceChoice{QStringLiteral("001"), QStringLiteral("张伟"), QStringLiteral("01")}));
    EXPECT_EQ(firstChoice(QStringLiteral("person"), 2, QStringLiteral("伟"), QStringLiteral("0301")),
              (ReferenceChoice{QStringLiteral("008"), QStringLiteral("孙伟"), QStringLiteral("0301")}));
    EXPECT_EQ(firstChoice(QString(), 3, QStringLiteral("2026-003"), QStringLiteral("1")),
              (ReferenceChoice{QStringLiteral("HT2026-003"), QStringLiteral("广州南方 供货合同"), {}}));
    EXPECT_EQ(firstChoice(QStringLiteral("inventory"), 4, QStringLiteral("电机"), QStringLiteral("ch")),
              (ReferenceChoice{QStringLiteral("0101"), QStringLiteral("A型电机"), {}}));
    EXPECT_EQ(firstChoice(QStringLiteral("fitemss"), 4, QStringLiteral("研发"), QStringLiteral("01")),
              (ReferenceChoice{QStringLiteral("YF01"), QStringLiteral("节能电机研发"), {}}));
    EXPECT_EQ(firstChoice(QStringLiteral("customer"), 11, QStringLiteral("东方")),
              (ReferenceChoice{QStringLiteral("002"), QStringLiteral("北京东方"), {}}));
    EXPECT_EQ(firstChoice(QStringLiteral("vendor"), 12, QStringLiteral("003")),
              (ReferenceChoice{QStringLiteral("003"), QStringLiteral("中石化化工"), {}}));
    EXPECT_EQ(firstChoice(QStringLiteral("customerclass"), 26, QStringLiteral("国外")),
              (ReferenceChoice{QStringLiteral("02"), QStringLiteral("国外客户"), {}}));
    EXPECT_EQ(firstChoice(QStringLiteral("vendorclass"), 27, QStringLiteral("服务")),
              (ReferenceChoice{QStringLiteral("02"), QStringLiteral("服务供应商"), {}}));
    EXPECT_EQ(firstChoice(QStringLiteral("districtclass"), 28, QStringLiteral("华南")),
              (ReferenceChoice{QStringLiteral("03"), QStringLiteral("华南"), {}}));
}

TEST_P(ReferenceLists, NothingFoundIsNoChoice)
{
    // What was typed stays inside the literal.
    EXPECT_FALSE(firstChoice(QStringLiteral("department"), 1, QStringLiteral("x' or '1'='1")).has_value());
    EXPECT_FALSE(firstChoice(QStringLiteral("person"), 2, QStringLiteral("伟"), QStringLiteral("0' or '1'='1")).has_value());
    EXPECT_FALSE(firstChoice(QStringLiteral("customer"), 11, QStringLiteral("无此客户")).has_value());
}

INSTANTIATE_TEST_SUITE_P(Backends, ReferenceLists, test::bothBackends(), test::backendTestName);

} // namespace
} // namespace qxmxz

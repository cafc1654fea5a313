// The filters of the reference lists and the choice read back, run on the
// demo company so that each finds what the operator typed.

#include "services/ReferenceFilters.h"

#include <gtest/gtest.h>

#include "platform/Failure.h"
#include "platform/sql/Connection.h"
#include "support/Printers.h"
#include "support/TestDatabases.h"
#include "support/TestSession.h"

namespace qxmxz {
namespace {

class ReferenceLists : public test::BackendTest {
protected:
    // The choice of the first row the filter finds in the table.
    std::optional<ReferenceChoice> firstChoice(const char *table, int type, const QString &typed, const QString &optional = {})
    {
        const ReferenceSetup setup = referenceSetup(type, typed, optional);
        const QString sql = !setup.statement.isEmpty()
                                ? setup.statement
                                : QStringLiteral("select * from %1 where %2 order by 1, 2")
                                      .arg(QLatin1String(table),
                                           setup.itemFilter.isEmpty() ? setup.filterStrings.last() : setup.itemFilter);
        RecordSet rows = s->pub.database().query(sql);
        return readReferenceChoice(type, rows, optional);
    }

    void SetUp() override
    {
        BackendTest::SetUp();
        if (IsSkipped())
            return;
        s = test::openDemoSession(GetParam());
    }
    std::unique_ptr<test::TestSession> s;
};

TEST_P(ReferenceLists, EachFilterFindsWhatWasTyped)
{
    // The table, the type, what was typed, the optional value, and the code, name and department found.
    const struct { const char *table; int type; const char *typed, *optional, *code, *name, *department; } cases[] = {
        {"department", 1, "国际", "", "0302", "国际销售部", ""},
        {"person", 2, "伟", "", "001", "张伟", "01"},
        {"person", 2, "伟", "0301", "008", "孙伟", "0301"}, // the person's department filters too
        {"", 3, "2026-003", "1", "HT2026-003", "广州南方 供货合同", ""},
        {"inventory", 4, "电机", "ch", "0101", "A型电机", ""},
        {"fitemss", 4, "研发", "01", "YF01", "节能电机研发", ""},
        {"customer", 11, "东方", "", "002", "北京东方", ""},
        {"vendor", 12, "003", "", "003", "中石化化工", ""},
        {"customerclass", 26, "国外", "", "02", "国外客户", ""},
        {"vendorclass", 27, "服务", "", "02", "服务供应商", ""},
        {"districtclass", 28, "华南", "", "03", "华南", ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(firstChoice(c.table, c.type, QString::fromUtf8(c.typed), QString::fromUtf8(c.optional)),
                  (ReferenceChoice{QString::fromUtf8(c.code), QString::fromUtf8(c.name), QString::fromUtf8(c.department)}))
            << c.type << " " << c.typed;
}

TEST_P(ReferenceLists, NothingTypedIsNoFilterAndNothingFoundNoChoice)
{
    for (int type : {1, 2, 3, 4, 11, 12, 26, 27, 28})
        EXPECT_FALSE(referenceSetup(type, QString(), QStringLiteral("01")).isFiltered()) << type;
    EXPECT_THROW(referenceSetup(5, QStringLiteral("x")), Failure) << "no list of type 5";
    // What was typed stays inside the literal.
    EXPECT_FALSE(firstChoice("department", 1, QStringLiteral("x' or '1'='1")).has_value());
    EXPECT_FALSE(firstChoice("person", 2, QStringLiteral("伟"), QStringLiteral("0' or '1'='1")).has_value());
    EXPECT_FALSE(firstChoice("customer", 11, QStringLiteral("无此客户")).has_value());
}

INSTANTIATE_TEST_SUITE_P(Backends, ReferenceLists, test::allBackends(), test::backendTestName);

} // namespace
} // namespace qxmxz

// Definitions of the user-defined voucher-head items.

#include "services/UserDefinedItems.h"

#include <gtest/gtest.h>

#include "platform/outside/GlPublic.h"
#include "platform/outside/QtStringPrinting.h"
#include "support/TestDatabases.h"
#include "support/TestSession.h"

namespace qxmxz {
namespace {

class UserDefinedItems : public ::testing::TestWithParam<Backend> {};

TEST_P(UserDefinedItems, ReadsTheSevenColumnsAndNullsAsFalseOrEmpty)
{
    auto s = test::openDemoSession(GetParam());
    UserDefInfo salesman;
    ASSERT_TRUE(GetUserDefInfo(s->pub, 4, salesman));
    EXPECT_EQ(salesman, (UserDefInfo{1, true, false, false, true, QStringLiteral("person"), QStringLiteral("cpersonname")}));

    UserDefInfo contract;
    contract.cRelField = QStringLiteral("left over");
    ASSERT_TRUE(GetUserDefInfo(s->pub, 1, contract));
    EXPECT_EQ(contract, (UserDefInfo{0, true, true, false, false, QString(), QString()}));
}

TEST_P(UserDefinedItems, AnItemTheAccountSetDoesNotDefineLeavesTheRecord)
{
    auto s = test::openDemoSession(GetParam());
    UserDefInfo info{3, true, true, true, true, QStringLiteral("a"), QStringLiteral("b")};
    const UserDefInfo before = info;
    EXPECT_FALSE(GetUserDefInfo(s->pub, 17, info));
    EXPECT_EQ(info, before);
}

INSTANTIATE_TEST_SUITE_P(Backends, UserDefinedItems, test::bothBackends(), test::backendTestName);

} // namespace
} // namespace qxmxz

// Definitions of the user-defined voucher-head items.

#include "services/UserDefinedItems.h"

#include <gtest/gtest.h>

#include "platform/outside/GlPublic.h"
#include "support/Printers.h"
#include "support/TestDatabases.h"
#include "support/TestSession.h"

namespace qxmxz {
namespace {

class UserDefinedItems : public test::BackendTest {};

TEST_P(UserDefinedItems, ReadsTheSevenColumnsWithNullsAsFalseOrEmpty)
{
    auto s = test::openDemoSession(GetParam());
    UserDefInfo salesman;
    ASSERT_TRUE(GetUserDefInfo(s->pub, 4, salesman));
    EXPECT_EQ(salesman, (UserDefInfo{1, true, false, false, true, QStringLiteral("person"), QStringLiteral("cpersonname")}));
    UserDefInfo contract;
    contract.cRelField = QStringLiteral("left over");
    ASSERT_TRUE(GetUserDefInfo(s->pub, 1, contract));
    EXPECT_EQ(contract, (UserDefInfo{0, true, true, false, false, QString(), QString()}));

    // An item the account set does not define leaves the record.
    EXPECT_FALSE(GetUserDefInfo(s->pub, 17, contract));
    EXPECT_EQ(contract, (UserDefInfo{0, true, true, false, false, QString(), QString()}));
}

INSTANTIATE_TEST_SUITE_P(Backends, UserDefinedItems, test::allBackends(), test::backendTestName);

} // namespace
} // namespace qxmxz

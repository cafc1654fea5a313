// Whether the operator's rights restrict a dimension (accounts, departments,
// project items), as the ledger windows ask before they filter.

#include <gtest/gtest.h>

#include "platform/sql/Connection.h"
#include "presentation/RightsRestriction.h"
#include "support/Printers.h"
#include "support/TestDatabases.h"
#include "support/TestSession.h"

namespace qxmxz {
namespace {

class RightsRestriction : public test::BackendTest {};

TEST_P(RightsRestriction, ByDimension)
{
    // The user and whether accounts, departments and project items are restricted.
    const std::tuple<const char *, bool, bool, bool> users[] = {
        {"demo", false, false, false}, {"li", true, false, false}, {"sun", false, true, false}, {"qian", true, false, false}};
    for (const auto &[user, accounts, departments, items] : users) {
        auto s = test::openDemoSession(GetParam(), QString::fromLatin1(user));
        EXPECT_EQ(HasRightsRestriction(s->pub, 0), accounts) << user;
        EXPECT_EQ(HasRightsRestriction(s->pub, 1), departments) << user;
        EXPECT_EQ(HasRightsRestriction(s->pub, 2), items) << user;
        EXPECT_FALSE(HasRightsRestriction(s->pub, 3)) << user;
    }
    auto s = test::openScratchDemoSession(GetParam(), QStringLiteral("zhao"));
    s->login->connection().execute(QStringLiteral(
        "insert into ua_dataauth (cUser_id, cObjectName, cACCode, cRight) values (N'zhao', N'fitem', N'SC01', N'W')"));
    EXPECT_TRUE(HasRightsRestriction(s->pub, 2)) << "project items are restricted even without a read row";
    EXPECT_FALSE(HasRightsRestriction(s->pub, 0));
}

INSTANTIATE_TEST_SUITE_P(Backends, RightsRestriction, test::allBackends(), test::backendTestName);

} // namespace
} // namespace qxmxz

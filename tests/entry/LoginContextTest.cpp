// The login context every clsMxz instance shares: login object,
// general-ledger object, year, settings key path and column widths; isModal
// and Business stay with the instance.

#include <gtest/gtest.h>

#include "EntryRig.h"
#include "entry/GlPublicObject.h"
#include "entry/LoginContext.h"
#include "entry/clsMxz.h"
#include "platform/outside/GlPublic.h"
#include "platform/outside/Login.h"
#include "support/Printers.h"

namespace qxmxz {
namespace {

class LoginContextTest : public ::testing::Test {
protected:
    void SetUp() override { test::resetComponent(); }
    void TearDown() override { test::resetComponent(); }
};

TEST_F(LoginContextTest, TwoInstancesShareTheLoginTheGeneralLedgerObjectAndTheYearButNotTheirOwnMembers)
{
    clsMxz first, second;
    GlPublicObject *made = LoginContext::existingPublicObject();
    ASSERT_NE(made, nullptr) << "class initialisation makes the general-ledger object";
    EXPECT_EQ(first.iYear(), 0) << "no login, no year";
    auto login = test::demoLoginObject(Backend::Sqlite, QStringLiteral("demo"));
    first.setObjLogin(login.get());
    EXPECT_EQ(second.ObjLogin(), login.get());
    EXPECT_EQ(second.MyZwPub(), made);
    EXPECT_EQ(made->pub().login(), login->login()) << "the general-ledger object receives the login";
    EXPECT_EQ(LoginContext::settingsKeyPath(), made->pub().settingsKeyPath());
    EXPECT_EQ(LoginContext::columnWidths().summary, 3600) << "the demo's summary of 20 characters";

    EXPECT_EQ(second.iYear(), 2026) << "the login's year";
    first.setIYear(2024);
    EXPECT_EQ(second.iYear(), 2024);
    second.setIYear(0);
    EXPECT_EQ(first.iYear(), 2026) << "0 returns to the login's year";

    QObject business;
    first.setIsModal(true);
    first.setBusiness(&business);
    EXPECT_TRUE(!second.isModal() && !second.business()) << "isModal and Business stay with the instance";

    LoginContext::release();
    EXPECT_EQ(first.ObjLogin(), nullptr);
    EXPECT_FALSE(first.MyZwPub()->pub().hasLogin()) << "a new object, without the old login";

    // A host's general-ledger object set before the login receives it.
    GlPublicObject hosts;
    first.setMyZwPub(&hosts);
    first.setObjLogin(login.get());
    EXPECT_EQ(second.MyZwPub(), &hosts);
    EXPECT_EQ(hosts.pub().login(), login->login());
}

} // namespace
} // namespace qxmxz

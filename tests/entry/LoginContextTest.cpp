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
    EXPECT_EQ(first.iYear(), 0);
    auto login = test::demoLoginObject(Backend::Sqlite, QStringLiteral("demo"));
    first.setObjLogin(login.get());
    EXPECT_EQ(second.ObjLogin(), login.get());
    EXPECT_EQ(second.MyZwPub(), made);
    EXPECT_EQ(made->oLogin(), login.get());
    EXPECT_EQ(made->pub().login(), login->login());
    EXPECT_EQ(second.iYear(), 2026) << "the login's year";
    EXPECT_EQ(LoginContext::settingsKeyPath(), made->pub().settingsKeyPath());
    // Demo options: a summary of 20 characters, amounts of 14.
    EXPECT_EQ(LoginContext::columnWidths().summary, 3600);
    EXPECT_EQ(LoginContext::columnWidths().amount, 1260);

    first.setIYear(2024);
    EXPECT_EQ(second.iYear(), 2024);
    second.setIYear(0);
    EXPECT_EQ(first.iYear(), 2026) << "0 returns to the login's year";

    QObject business;
    first.setIsModal(true);
    first.setBusiness(&business);
    EXPECT_FALSE(second.isModal());
    EXPECT_EQ(second.business(), nullptr);
    EXPECT_EQ(first.business(), &business);

    LoginContext::release();
    EXPECT_EQ(first.ObjLogin(), nullptr);
    EXPECT_EQ(LoginContext::existingPublicObject(), nullptr);
    EXPECT_FALSE(first.MyZwPub()->pub().hasLogin()) << "a new object, without the old login";
}

TEST_F(LoginContextTest, AHostsGeneralLedgerObjectSetFirstReceivesTheLogin)
{
    clsMxz mxz;
    GlPublicObject hosts;
    mxz.setMyZwPub(&hosts);
    auto login = test::demoLoginObject(Backend::Sqlite, QStringLiteral("wang"));
    mxz.setObjLogin(login.get());
    EXPECT_EQ(mxz.MyZwPub(), &hosts);
    EXPECT_EQ(hosts.pub().login()->userId(), QStringLiteral("wang"));
}

} // namespace
} // namespace qxmxz

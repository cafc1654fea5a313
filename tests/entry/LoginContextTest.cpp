// The login context every clsMxz instance shares: login object,
// general-ledger object, year, colours, settings key path and column widths;
// isModal and Business stay with the instance.

#include <gtest/gtest.h>

#include "EntryRig.h"
#include "entry/GlPublicObject.h"
#include "entry/LoginContext.h"
#include "entry/clsMxz.h"
#include "platform/outside/GlPublic.h"
#include "platform/outside/Login.h"
#include "platform/outside/QtStringPrinting.h"
#include "platform/ui/GridColor.h"

namespace qxmxz {
namespace {

class LoginContextTest : public ::testing::Test {
protected:
    void SetUp() override { test::resetComponent(); }
    void TearDown() override { test::resetComponent(); }
};

TEST_F(LoginContextTest, TheYearIsZeroUntilALoginOrALetGivesOne)
{
    clsMxz mxz;
    EXPECT_EQ(mxz.iYear(), 0);
    auto login = test::demoLoginObject(Backend::Sqlite, QStringLiteral("demo"));
    mxz.setObjLogin(login.get());
    EXPECT_EQ(mxz.iYear(), 2026) << "the login's year";
    mxz.setIYear(2025);
    EXPECT_EQ(mxz.iYear(), 2025);
    mxz.setIYear(0);
    EXPECT_EQ(mxz.iYear(), 2026) << "0 returns to the login's year";
}

TEST_F(LoginContextTest, ObjLoginOnAFreshComponentMakesOneGeneralLedgerObjectAndHandsItTheLogin)
{
    EXPECT_EQ(LoginContext::existingPublicObject(), nullptr);
    clsMxz mxz;
    GlPublicObject *made = LoginContext::existingPublicObject();
    ASSERT_NE(made, nullptr) << "class initialisation makes it";
    auto login = test::demoLoginObject(Backend::Sqlite, QStringLiteral("demo"));
    mxz.setObjLogin(login.get());
    EXPECT_EQ(mxz.ObjLogin(), login.get());
    EXPECT_EQ(mxz.MyZwPub(), made);
    EXPECT_EQ(mxz.MyZwPub(), made);
    EXPECT_EQ(made->oLogin(), login.get());
    EXPECT_EQ(made->pub().login(), login->login());
    EXPECT_EQ(made->pub().year(), 2026);
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

TEST_F(LoginContextTest, TwoInstancesShareTheContextButNotTheirOwnMembers)
{
    clsMxz first, second;
    auto login = test::demoLoginObject(Backend::Sqlite, QStringLiteral("demo"));
    first.setObjLogin(login.get());
    first.setIYear(2024);
    EXPECT_EQ(second.ObjLogin(), login.get());
    EXPECT_EQ(second.MyZwPub(), first.MyZwPub());
    EXPECT_EQ(second.iYear(), 2024);

    QObject business;
    first.setIsModal(true);
    first.setBusiness(&business);
    EXPECT_FALSE(second.isModal());
    EXPECT_EQ(second.business(), nullptr);
    EXPECT_TRUE(first.isModal());
    EXPECT_EQ(first.business(), &business);
}

TEST_F(LoginContextTest, InitialisationSetsTheColoursAndReadsTheSettingsKeyPath)
{
    LoginContext::setSettingsKeyPath(QString());
    clsMxz mxz;
    EXPECT_EQ(LoginContext::gridColours(),
              (LoginContext::GridColours{0xFFFFFF, rgbValue(205, 208, 215), rgbValue(247, 237, 236),
                                         rgbValue(238, 238, 214)}));
    EXPECT_EQ(LoginContext::settingsKeyPath(), mxz.MyZwPub()->pub().settingsKeyPath());
    EXPECT_FALSE(LoginContext::settingsKeyPath().isEmpty());
}

TEST_F(LoginContextTest, ReadingTheGeneralLedgerObjectRecomputesTheColumnWidths)
{
    clsMxz mxz;
    auto login = test::demoLoginObject(Backend::Sqlite, QStringLiteral("demo"));
    mxz.setObjLogin(login.get());
    mxz.MyZwPub();
    const StandardColumnWidths widths = LoginContext::columnWidths();
    // Demo options: summary 20, amount 14, quantity 10, price 10, foreign 12, rate 8 characters.
    EXPECT_EQ(widths.summary, 3600);
    EXPECT_EQ(widths.amount, 1260);
    EXPECT_EQ(widths.quantity, 900);
    EXPECT_EQ(widths.price, 900);
    EXPECT_EQ(widths.foreign, 1080);
    EXPECT_EQ(widths.rate, 720);
}

TEST_F(LoginContextTest, ReleasingLetsGoOfTheLoginAndTheGeneralLedgerObject)
{
    clsMxz mxz;
    auto login = test::demoLoginObject(Backend::Sqlite, QStringLiteral("demo"));
    mxz.setObjLogin(login.get());
    LoginContext::release();
    EXPECT_EQ(mxz.ObjLogin(), nullptr);
    EXPECT_EQ(LoginContext::existingPublicObject(), nullptr);
    EXPECT_FALSE(mxz.MyZwPub()->pub().hasLogin()) << "a new object, without the old login";
}

} // namespace
} // namespace qxmxz

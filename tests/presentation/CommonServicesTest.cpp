// The window-free services the ledger windows share: rights restrictions by
// dimension, account entries, stored column widths and the toolbar style.

#include <gtest/gtest.h>

#include "platform/Failure.h"
#include "platform/outside/GlPublic.h"
#include "platform/outside/Login.h"
#include "support/Printers.h"
#include "platform/sql/Connection.h"
#include "platform/ui/GridModel.h"
#include "presentation/AccountEntryText.h"
#include "presentation/ColumnWidthStore.h"
#include "presentation/RightsRestriction.h"
#include "presentation/ToolbarStyle.h"
#include "support/ScratchSettings.h"
#include "support/TestDatabases.h"
#include "support/TestSession.h"

namespace qxmxz {
namespace {

class RightsRestriction : public ::testing::TestWithParam<Backend> {};

TEST_P(RightsRestriction, ByDimension)
{
    struct Expected {
        const char *user;
        bool accounts, departments, items;
    };
    for (const Expected &e : {Expected{"demo", false, false, false}, Expected{"li", true, false, false},
                              Expected{"sun", false, true, false}, Expected{"qian", true, false, false}}) {
        auto s = test::openDemoSession(GetParam(), QString::fromLatin1(e.user));
        EXPECT_EQ(HasRightsRestriction(s->pub, 0), e.accounts) << e.user;
        EXPECT_EQ(HasRightsRestriction(s->pub, 1), e.departments) << e.user;
        EXPECT_EQ(HasRightsRestriction(s->pub, 2), e.items) << e.user;
        EXPECT_FALSE(HasRightsRestriction(s->pub, 3)) << e.user;
        EXPECT_FALSE(HasRightsRestriction(s->pub, 255)) << e.user;
    }
}

TEST_P(RightsRestriction, ProjectItemsAreAskedOfTheServiceDirectly)
{
    auto s = test::openScratchDemoSession(GetParam(), QStringLiteral("zhao"));
    s->login->connection().execute(QStringLiteral(
        "insert into ua_dataauth (cUser_id, cObjectName, cACCode, cRight) values (N'zhao', N'fitem', N'SC01', N'W')"));
    EXPECT_TRUE(HasRightsRestriction(s->pub, 2)) << "restricted even without a read row";
    EXPECT_FALSE(HasRightsRestriction(s->pub, 0));
    EXPECT_FALSE(HasRightsRestriction(s->pub, 3));
}

INSTANTIATE_TEST_SUITE_P(Backends, RightsRestriction, test::bothBackends(), test::backendTestName);

TEST(RightsRestrictionWithoutLogin, IsAFailureForTheRestrictedDimensionsOnly)
{
    GlPublic pub;
    EXPECT_THROW(HasRightsRestriction(pub, 0), Failure);
    EXPECT_FALSE(HasRightsRestriction(pub, 3));
}

TEST(AccountEntryText, TheCodeBeforeTheFirstBlank)
{
    EXPECT_EQ(CodeOfEntry(QStringLiteral("   1002 银行 存款")), QStringLiteral("1002"));
    EXPECT_EQ(CodeOfEntry(QStringLiteral("  100201")), QStringLiteral("100201"));
    EXPECT_EQ(CodeOfEntry(QStringLiteral("   ")), QString());
    EXPECT_EQ(TextBeforeBlank(QStringLiteral("1002 银行存款")), QStringLiteral("1002"));
    EXPECT_EQ(TextBeforeBlank(QStringLiteral("1002")), QStringLiteral("1002"));
    EXPECT_EQ(TextBeforeBlank(QStringLiteral(" 1002 银行存款")), QString()) << "nothing is trimmed";
}

TEST(SaveColumnWidths, StoresEveryColumnForTheLayoutAndStyleUnlessOneOverflows)
{
    test::ScratchSettings settings;
    GlPublic pub;
    GridModel grid;
    grid.setCols(49);
    QList<int> widths;
    for (int j = 0; j < 49; ++j) {
        grid.setColWidth(j, j * 10);
        widths << j * 10;
    }
    SaveColumnWidths(pub, grid, QStringLiteral("GL03053"), 2);
    EXPECT_EQ(pub.savedColumnWidths(QStringLiteral("GL03053"), 2), std::optional<QList<int>>(widths));
    EXPECT_FALSE(pub.savedColumnWidths(QStringLiteral("GL03053"), 1).has_value());
    EXPECT_FALSE(pub.savedColumnWidths(QStringLiteral("GL0301"), 2).has_value());

    grid.setColWidth(2, 40000);
    EXPECT_THROW(SaveColumnWidths(pub, grid, QStringLiteral("GL0301"), 0), Failure);
    grid.setCols(1);
    SaveColumnWidths(pub, grid, QStringLiteral("GL0301"), 0);
    EXPECT_FALSE(pub.savedColumnWidths(QStringLiteral("GL0301"), 0).has_value()) << "nothing for one column";
}

TEST(ToolbarStyle, TheClassicToolbarUnlessTheSettingSaysOtherwise)
{
    test::ScratchSettings settings;
    const QString key = QStringLiteral("Software\\QxMxz\\GL");
    EXPECT_EQ(ReadToolbarStyle(key), 1) << "no value";
    settings.writeMachine(key, QStringLiteral("Toolbar Style"), QStringLiteral("Toolbar"));
    EXPECT_EQ(ReadToolbarStyle(key), 1);
    EXPECT_EQ(ReadToolbarStyle(QStringLiteral("Software/QxMxz/GL")), 1) << "either separator names the key";
    settings.writeMachine(key, QStringLiteral("Toolbar Style"), QStringLiteral("CoolBar"));
    EXPECT_EQ(ReadToolbarStyle(key), 2);
    settings.writeMachine(key, QStringLiteral("Toolbar Style"), QStringLiteral("toolbar"));
    EXPECT_EQ(ReadToolbarStyle(key), 2) << "only a capital T means the classic toolbar";
    settings.writeMachine(key, QStringLiteral("Toolbar Style"), QString());
    EXPECT_EQ(ReadToolbarStyle(key), 2);
    EXPECT_EQ(ReadToolbarStyle(QStringLiteral("Software\\Other")), 1) << "another key";

    EXPECT_EQ(toolbarStyleFlag(1), 1);
    EXPECT_EQ(toolbarStyleFlag(2), 0);
}

} // namespace
} // namespace qxmxz

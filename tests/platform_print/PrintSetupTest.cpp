// A page setup chosen for a print name belongs to that print name and user,
// and a damaged saved value leaves the template's own page.

#include <gtest/gtest.h>

#include "platform/outside/UserSettings.h"
#include "platform/print/PrintSetup.h"
#include "support/ScratchSettings.h"

using namespace qxmxz;

TEST(PrintSetup, ChosenPageIsKeptPerPrintNameAndUser)
{
    test::ScratchSettings settings;
    PrintTemplate chosen;
    chosen.pageSize = QPageSize(QPageSize::A3);
    chosen.orientation = QPageLayout::Portrait;
    chosen.marginsMm = QMarginsF(20, 15, 10, 5.5);
    savePrintSetup(QStringLiteral("GLMxzJe"), QStringLiteral("wang"), chosen);

    PrintTemplate mine;
    applyPrintSetup(QStringLiteral("GLMxzJe"), QStringLiteral("wang"), mine);
    EXPECT_EQ(mine.pageSize.id(), QPageSize::A3);
    EXPECT_EQ(mine.orientation, QPageLayout::Portrait);
    EXPECT_EQ(mine.marginsMm, QMarginsF(20, 15, 10, 5.5));

    const PrintTemplate untouched;
    for (const auto &[name, user] : {std::pair{"GLMxzSl", "wang"}, std::pair{"GLMxzJe", "li"}}) {
        PrintTemplate other;
        applyPrintSetup(QString::fromLatin1(name), QString::fromLatin1(user), other);
        EXPECT_EQ(other.pageSize.id(), untouched.pageSize.id()) << name << user;
        EXPECT_EQ(other.orientation, untouched.orientation);
        EXPECT_EQ(other.marginsMm, untouched.marginsMm);
    }

    for (const char *damaged : {"", "9 sideways 1 1 1 1", "9 portrait 1 1 1", "9999 portrait 1 1 1 1", "9 portrait 1 1 1 99"}) {
        UserSettings::write(QStringLiteral("PrintSetup"), QStringLiteral("GLZzJe_wang"), QString::fromLatin1(damaged));
        PrintTemplate kept;
        applyPrintSetup(QStringLiteral("GLZzJe"), QStringLiteral("wang"), kept);
        EXPECT_EQ(kept.pageSize.id(), untouched.pageSize.id()) << damaged;
        EXPECT_EQ(kept.marginsMm, untouched.marginsMm) << damaged;
    }
}

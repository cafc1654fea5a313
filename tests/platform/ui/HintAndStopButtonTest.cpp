#include <gtest/gtest.h>

#include "platform/ui/HintState.h"
#include "platform/ui/StopButtonState.h"

namespace qxmxz {
namespace {

TEST(HintState, refreshesAreCountedAndCarryTheText)
{
    HintState hint;
    QStringList printed;
    int textChanges = 0;
    QObject::connect(&hint, &HintState::refreshed, [&](const QString &text) { printed << text; });
    QObject::connect(&hint, &HintState::textChanged, [&] { ++textChanges; });

    hint.setText(QStringLiteral("正在查询，请稍候……"));
    hint.refresh();
    hint.setText(QStringLiteral("2026-03-15 100201"));
    hint.setText(QStringLiteral("2026-03-15 100201"));
    hint.refresh();
    hint.refresh();

    EXPECT_EQ(hint.refreshCount(), 3);
    EXPECT_EQ(textChanges, 2);
    EXPECT_EQ(printed, (QStringList{"正在查询，请稍候……", "2026-03-15 100201", "2026-03-15 100201"}));
    EXPECT_EQ(hint.text(), QStringLiteral("2026-03-15 100201"));
}

TEST(StopButtonState, onlyAnEnabledVisibleButtonCanBePressed)
{
    StopButtonState stop;
    int presses = 0;
    QStringList states;
    QObject::connect(&stop, &StopButtonState::pressed, [&] { ++presses; });
    QObject::connect(&stop, &StopButtonState::enabledChanged, [&](bool on) { states << QStringLiteral("enabled %1").arg(on); });
    QObject::connect(&stop, &StopButtonState::visibleChanged, [&](bool on) { states << QStringLiteral("visible %1").arg(on); });

    EXPECT_FALSE(stop.isEnabled());
    EXPECT_TRUE(stop.isVisible());
    stop.press(); // nothing runs yet
    EXPECT_EQ(presses, 0);

    stop.setEnabled(true);
    stop.press();
    EXPECT_EQ(presses, 1);

    stop.setVisible(false);
    stop.press();
    EXPECT_EQ(presses, 1);

    stop.setVisible(true);
    stop.setEnabled(false);
    stop.press();
    EXPECT_EQ(presses, 1);
    EXPECT_EQ(states, (QStringList{"enabled 1", "visible 0", "visible 1", "enabled 0"}));
}

} // namespace
} // namespace qxmxz

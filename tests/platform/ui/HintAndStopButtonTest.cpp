#include <gtest/gtest.h>

#include "platform/ui/HintState.h"
#include "platform/ui/StopButtonState.h"

namespace qxmxz {
namespace {

TEST(HintAndStopButton, eachRefreshShowsTheCurrentTextAndOnlyAnEnabledVisibleButtonCanBePressed)
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

    StopButtonState stop;
    int presses = 0;
    QObject::connect(&stop, &StopButtonState::pressed, [&] { ++presses; });
    stop.press(); // disabled: nothing runs yet
    stop.setEnabled(true);
    stop.press();
    stop.setVisible(false);
    stop.press();
    stop.setVisible(true);
    stop.setEnabled(false);
    stop.press();
    EXPECT_EQ(presses, 1);
}

} // namespace
} // namespace qxmxz

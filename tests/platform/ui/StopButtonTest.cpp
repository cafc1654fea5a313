#include <gtest/gtest.h>

#include "platform/ui/StopButtonState.h"

namespace qxmxz {
namespace {

TEST(StopButton, onlyAnEnabledVisibleButtonCanBePressed)
{
    StopButtonState stop;
    int presses = 0;
    QObject::connect(&stop, &StopButtonState::pressed, [&] { ++presses; });
    stop.press(); // disabled: nothing runs yet
    stop.setEnabled(true);
    stop.press();
    stop.setVisible(false);
    stop.press();
    EXPECT_EQ(presses, 1);
}

} // namespace
} // namespace qxmxz

// The key filter of the find dialog's date boxes.

#include "services/DateKeyFilter.h"

#include <gtest/gtest.h>

namespace qxmxz {
namespace {

int filtered(int key, const QString &text, int selection = 0)
{
    FilterDateKey(key, text, selection);
    return key;
}

TEST(FilterDateKey, DigitsAndSeparatorsWhileThereIsRoomAndEditingKeysAlways)
{
    const QString full = QStringLiteral("2026-05-31");
    for (int key : {int('0'), int('9'), int('-'), int('.'), int('/'), 8, 13, 27})
        EXPECT_EQ(filtered(key, QStringLiteral("2026-0")), key) << key;
    for (int key : {int('a'), int(' '), int(','), int(':'), 9, 127, int('9') + 1, int('*')})
        EXPECT_EQ(filtered(key, QStringLiteral("2026-0")), 0) << key;
    for (int key : {8, 13, 27})
        EXPECT_EQ(filtered(key, full), key) << key;
    EXPECT_EQ(filtered('1', full), 0);
    EXPECT_EQ(filtered('1', full, 2), '1') << "typing over a selection leaves room";
    EXPECT_EQ(filtered('1', QStringLiteral("2026-05-3")), '1');
}

} // namespace
} // namespace qxmxz

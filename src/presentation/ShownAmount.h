#pragma once

#include <QString>
#include <optional>

#include "platform/values/Currency.h"

namespace qxmxz {

// A money cell read back from the text the grid shows ("1,234.50",
// "-12.00", "0.5"): thousands separators and blanks dropped, an empty cell
// 0. Nothing for a text that is not a number.
std::optional<Currency> shownAmount(const QString &text);

} // namespace qxmxz

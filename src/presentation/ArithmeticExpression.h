#pragma once

#include <QString>
#include <optional>

namespace qxmxz {

// The value of an arithmetic expression as an accountant types it into the
// tool window: numbers with or without thousands separators, + - * / (also
// × ÷), parentheses, a leading sign. Nothing for a malformed expression or a
// division by zero.
std::optional<double> evaluateExpression(const QString &text);

} // namespace qxmxz

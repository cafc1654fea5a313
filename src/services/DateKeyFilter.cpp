#include "DateKeyFilter.h"

namespace qxmxz {

namespace {

constexpr int Backspace = 8;
constexpr int Enter = 13;
constexpr int Escape = 27;

} // namespace

void FilterDateKey(int &keyCode, const QString &boxText, int selectionLength)
{
    const bool editingKey = keyCode == Enter || keyCode == Backspace || keyCode == Escape;
    if (boxText.size() - selectionLength >= 10 && !editingKey) {
        keyCode = 0;
        return;
    }
    const bool digit = keyCode >= '0' && keyCode <= '9';
    const bool separator = keyCode == '-' || keyCode == '.' || keyCode == '/';
    if (!digit && !separator && !editingKey)
        keyCode = 0;
}

} // namespace qxmxz

#pragma once

#include <QString>

namespace qxmxz {

// The key filter of the date boxes of the find dialog: sets `keyCode` to 0 to
// cancel a key. A box that already holds 10 characters outside its selection
// takes only Enter (13), Backspace (8) and Escape (27); otherwise the box
// takes digits, Backspace, Enter, Escape, "-", "." and "/".
void FilterDateKey(int &keyCode, const QString &boxText, int selectionLength);

} // namespace qxmxz

#pragma once

#include <QString>

namespace qxmxz {

// The toolbar a ledger window shows, from the machine setting "Toolbar Style"
// under the general-ledger settings key path: 1 the classic toolbar (no
// value, or a value beginning with "T"), 2 the enhanced toolbar control (any
// other value, the empty one included).
int ReadToolbarStyle(const QString &settingsKeyPath);

// The window's toolbar-style flag for a style: 1 classic, 0 enhanced.
int toolbarStyleFlag(int toolbarStyle);

} // namespace qxmxz

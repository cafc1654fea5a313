#pragma once

#include "platform/ui/GridColor.h"

namespace qxmxz {

// The four grid colours every ledger of the component shares: white,
// RGB(205, 208, 215), RGB(247, 237, 236) and RGB(238, 238, 214). The public
// classes "set" them when they are created, always to these values, so they
// are constants here. The fourth is the background of unposted voucher rows.
inline constexpr int LedgerGridColours[4] = {rgbValue(255, 255, 255), rgbValue(205, 208, 215),
                                              rgbValue(247, 237, 236), rgbValue(238, 238, 214)};
inline constexpr int UnpostedRowColour = LedgerGridColours[3];

} // namespace qxmxz

#pragma once

namespace qxmxz {

// Grid colours are plain integers in the component's own numbering:
// red + green * 256 + blue * 65536 (0x00BBGGRR), the numbering the ledger
// code, the settings and the saved colours use. RGB(238, 238, 214), the
// colour of unposted voucher rows, is 14085870. QtCore has no colour type;
// a window turns a value into a colour with redOf/greenOf/blueOf.
constexpr int rgbValue(int red, int green, int blue)
{
    return (red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16);
}

constexpr int redOf(int rgb) { return rgb & 0xFF; }
constexpr int greenOf(int rgb) { return (rgb >> 8) & 0xFF; }
constexpr int blueOf(int rgb) { return (rgb >> 16) & 0xFF; }

// A cell without a colour of its own: the view paints its normal background.
constexpr int noColor = -1;

constexpr bool isValidRgb(int rgb) { return rgb >= 0 && rgb <= 0xFFFFFF; }

} // namespace qxmxz

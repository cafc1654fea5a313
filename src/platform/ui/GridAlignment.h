#pragma once

#include <Qt>

namespace qxmxz {

// Cell alignment codes of the grid: the code is 3 * horizontal + vertical,
// horizontal 0 left, 1 centre, 2 right and vertical 0 top, 1 centre, 2 bottom.
// The ledgers use only the vertically centred three.
namespace GridAlignment {
constexpr int leftCentre = 1;
constexpr int centreCentre = 4;
constexpr int rightCentre = 7;
} // namespace GridAlignment

constexpr bool isValidGridAlignment(int code) { return code >= 0 && code <= 8; }

// What a view paints for a code; an invalid code reads as left, centred.
Qt::Alignment toQtAlignment(int code);

} // namespace qxmxz

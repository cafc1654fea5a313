#include "GridAlignment.h"

namespace qxmxz {

Qt::Alignment toQtAlignment(int code)
{
    if (!isValidGridAlignment(code))
        code = GridAlignment::leftCentre;
    static constexpr Qt::AlignmentFlag horizontal[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};
    static constexpr Qt::AlignmentFlag vertical[] = {Qt::AlignTop, Qt::AlignVCenter, Qt::AlignBottom};
    return Qt::Alignment(horizontal[code / 3]) | vertical[code % 3];
}

} // namespace qxmxz

#include "ColumnWidthStore.h"

#include <limits>

#include "platform/Failure.h"
#include "platform/outside/GlPublic.h"
#include "platform/ui/GridModel.h"

namespace qxmxz {

void SaveColumnWidths(GlPublic &pub, const GridModel &grid, const QString &layoutCode, int styleIndex)
{
    if (grid.Cols() <= 1)
        return;
    QList<int> widths;
    widths.reserve(grid.Cols());
    for (int column = 0; column < grid.Cols(); ++column) {
        const int width = grid.ColWidth(column);
        if (width > std::numeric_limits<qint16>::max() || width < std::numeric_limits<qint16>::min())
            throw Failure(QStringLiteral("Overflow: column %1 is %2 twips wide").arg(column).arg(width));
        widths << width;
    }
    pub.saveColumnWidths(layoutCode, styleIndex, widths, QString());
}

} // namespace qxmxz

#include "LedgerGridRows.h"

#include "GridColours.h"
#include "platform/sql/LocalRecordSet.h"
#include "platform/ui/GridAlignment.h"
#include "platform/ui/GridModel.h"

namespace qxmxz {

namespace {

constexpr int LastLedgerColumn = 21;
constexpr int DirectionColumn = 16;
constexpr int LastTextColumn = 7;

} // namespace

int ledgerCellAlignment(int column)
{
    if (column == 1 || column == 2 || column == DirectionColumn)
        return GridAlignment::centreCentre;
    return column <= LastTextColumn ? GridAlignment::leftCentre : GridAlignment::rightCentre;
}

qint64 appendLedgerRows(GridModel &grid, DynasetRecordSet &rs, qint64 count)
{
    if (count <= 0)
        return 0;
    const int columns = grid.Cols();
    const int bookColumn = rs.fieldIndex(QStringLiteral("iBook"));
    grid.setRedraw(false);
    qint64 appended = 0;
    QString text;
    for (; appended < count && !rs.eof(); ++appended, rs.moveNext()) {
        const QVector<QVariant> &values = rs.rowValues();
        text.resize(0); // keeps the buffer: clear() would free it and every row grow it again
        for (int j = 0; j < columns; ++j) {
            if (j > 0)
                text += QLatin1Char('\t');
            if (j < values.size()) {
                QString value = values[j].toString();
                value.replace(QLatin1Char('\t'), QLatin1Char(' '));
                text += value;
            }
        }
        grid.AddItem(text);
        const int row = grid.Rows() - 1;
        if (bookColumn >= 0 && values.value(bookColumn).toInt() == 0)
            grid.setRowBackColor(row, UnpostedRowColour);
        for (int column = 1; column <= LastLedgerColumn && column < columns; ++column)
            grid.setCellAlignment(row, column, ledgerCellAlignment(column));
    }
    grid.setRedraw(true);
    return appended;
}

} // namespace qxmxz

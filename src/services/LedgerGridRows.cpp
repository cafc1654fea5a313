#include "LedgerGridRows.h"

#include <QVarLengthArray>

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
    // Text values are shown as they are held; others, and text holding a tab
    // (shown as a space, as a tabbed row would), are converted here.
    QVarLengthArray<QString, 64> converted(columns);
    QVarLengthArray<QStringView, 64> cells(columns);
    int alignedRow = -1; // the first row appended here, aligned cell by cell
    for (; appended < count && !rs.eof(); ++appended, rs.moveNext()) {
        const QVector<QVariant> &values = rs.rowValues();
        for (int j = 0; j < columns; ++j) {
            if (j >= values.size()) {
                cells[j] = QStringView();
                continue;
            }
            const QVariant &value = values[j];
            if (value.metaType().id() == QMetaType::QString) {
                const QString &text = *static_cast<const QString *>(value.constData());
                if (!text.contains(QLatin1Char('\t'))) {
                    cells[j] = text;
                    continue;
                }
                converted[j] = text;
            } else {
                converted[j] = value.toString();
            }
            converted[j].replace(QLatin1Char('\t'), QLatin1Char(' '));
            cells[j] = converted[j];
        }
        grid.addRow(cells.data(), columns);
        const int row = grid.Rows() - 1;
        if (bookColumn >= 0 && values.value(bookColumn).toInt() == 0)
            grid.setRowBackColor(row, UnpostedRowColour);
        if (alignedRow >= 0) {
            grid.copyCellAlignments(alignedRow, row);
        } else {
            for (int column = 1; column <= LastLedgerColumn && column < columns; ++column)
                grid.setCellAlignment(row, column, ledgerCellAlignment(column));
            alignedRow = row;
        }
    }
    grid.setRedraw(true);
    return appended;
}

} // namespace qxmxz

#include "LedgerTable.h"

#include "platform/ui/GridModel.h"
#include "platform/ui/HeaderModel.h"

namespace qxmxz::cli {

namespace {

// Money, quantities, prices and rates read right-aligned; the direction does not.
bool isNumberColumn(int column)
{
    return column >= 8 && column <= 21 && column != 16;
}

} // namespace

TableSource ledgerTable(const GridModel &grid, const HeaderModel &header, const QStringList &keys, bool allColumns)
{
    QList<int> columns;
    for (int j = 0; j < grid.Cols(); ++j) {
        if (allColumns) {
            if (j < keys.size())
                columns << j;
        } else if (j >= 1 && j <= 21 && !header.isHidden(j) && grid.ColWidth(j) > 0) {
            columns << j;
        }
    }
    TableSource table;
    for (int j : columns) {
        table.keys << keys.value(j);
        QString heading = header.caption(j);
        for (const HeaderBand &band : header.bands())
            if (j >= band.firstColumn && j <= band.lastColumn && band.caption != heading)
                heading = band.caption + QLatin1Char(' ') + heading;
        table.headings << heading.trimmed();
        table.rightAligned << isNumberColumn(j);
    }
    table.rowCount = grid.Rows() - grid.FixedRows();
    const int firstRow = grid.FixedRows();
    table.cell = [&grid, columns, firstRow](qsizetype row, int column) {
        return grid.TextMatrix(int(row) + firstRow, columns[column]);
    };
    return table;
}

TableSource ledgerOutputTable(const GlPublic &pub, const GridModel &grid, const HeaderModel &header,
                              const QStringList &keys, TableFormat format, bool raw, const TypedLedgerHeading &heading)
{
    if (format != TableFormat::Table && !raw)
        return typedLedgerTable(pub, grid, keys, heading);
    return ledgerTable(grid, header, keys, format == TableFormat::Json);
}

} // namespace qxmxz::cli

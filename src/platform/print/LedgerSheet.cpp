#include "LedgerSheet.h"

#include "platform/ui/GridColor.h"
#include "platform/ui/GridModel.h"
#include "platform/ui/HeaderModel.h"

namespace qxmxz {

QString PageHeading::field(bool footingTable, int number) const
{
    return (footingTable ? footing : heading).value(number - 1);
}

LedgerSheet::LedgerSheet(const GridModel &grid, int firstRow) : m_grid(&grid), m_firstRow(firstRow) {}

int LedgerSheet::rowLimit() const
{
    return m_grid->Rows();
}

bool LedgerSheet::isShown(int row) const
{
    return m_grid->RowHeight(row) > 0;
}

qsizetype LedgerSheet::shownRowCount() const
{
    qsizetype count = 0;
    forEachShownRow([&count](int) {
        ++count;
        return true;
    });
    return count;
}

QString LedgerSheet::text(int gridRow, int column) const
{
    return m_grid->TextMatrix(gridRow, columns[column].gridColumn);
}

int LedgerSheet::rowColour(int gridRow) const
{
    if (columns.isEmpty())
        return noColor;
    return m_grid->CellBackColor(gridRow, columns.front().gridColumn);
}

int LedgerSheet::totalWidthTwips() const
{
    int total = 0;
    for (const SheetColumn &c : columns)
        total += c.widthTwips;
    return total;
}

LedgerSheet ledgerGridSheet(const GridModel &grid, const HeaderModel &header, int firstColumn, int lastColumn,
                            const QList<ExportClass> &classes)
{
    LedgerSheet sheet(grid, grid.FixedRows());
    const QList<HeaderBand> headerBands = header.bands();
    QList<int> bandOfHeader(headerBands.size(), -1);
    const int last = std::min({lastColumn, grid.Cols() - 1, header.columnCount() - 1});
    for (int j = firstColumn; j <= last; ++j) {
        if (header.isHidden(j) || grid.ColWidth(j) <= 0)
            continue;
        SheetColumn column;
        column.gridColumn = j;
        column.caption = header.caption(j);
        column.widthTwips = grid.ColWidth(j);
        column.alignment = grid.ColAlignment(j);
        column.exportClass = classes.value(j, ExportClass::Text);
        for (int b = 0; b < headerBands.size(); ++b) {
            const HeaderBand &band = headerBands[b];
            if (j < band.firstColumn || j > band.lastColumn || band.caption.isEmpty())
                continue;
            if (bandOfHeader[b] < 0) {
                bandOfHeader[b] = int(sheet.bands.size());
                sheet.bands << SheetBand{band.caption, int(sheet.columns.size()), int(sheet.columns.size())};
            }
            column.band = bandOfHeader[b];
            sheet.bands[column.band].lastColumn = int(sheet.columns.size());
            break;
        }
        sheet.columns << column;
    }
    return sheet;
}

LedgerSheet headedGridSheet(const GridModel &grid, const QList<ExportClass> &classes)
{
    LedgerSheet sheet(grid, std::max(grid.FixedRows(), std::min(grid.Rows(), 2)));
    if (grid.Rows() < 2)
        return sheet;
    for (int j = 0; j < grid.Cols(); ++j) {
        if (grid.ColWidth(j) <= 0)
            continue;
        SheetColumn column;
        column.gridColumn = j;
        const QString top = grid.TextMatrix(0, j);
        const QString bottom = grid.TextMatrix(1, j);
        column.caption = bottom;
        column.widthTwips = grid.ColWidth(j);
        column.alignment = grid.ColAlignment(j);
        column.exportClass = classes.value(j, ExportClass::Text);
        if (top != bottom && !top.isEmpty()) {
            const int index = int(sheet.columns.size());
            if (!sheet.bands.isEmpty() && sheet.bands.back().caption == top && sheet.bands.back().lastColumn == index - 1)
                sheet.bands.back().lastColumn = index;
            else
                sheet.bands << SheetBand{top, index, index};
            column.band = int(sheet.bands.size()) - 1;
        }
        sheet.columns << column;
    }
    return sheet;
}

} // namespace qxmxz

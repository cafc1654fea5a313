#include "TableSheet.h"

#include "platform/ui/GridAlignment.h"
#include "platform/ui/GridModel.h"

namespace qxmxz::cli {

namespace {

// About the width of a narrow character of the printed font, in twips.
constexpr int TwipsPerCharacter = 110;

} // namespace

LedgerSheet tableSheet(GridModel &grid, const TableSource &table, const QList<ExportClass> &classes)
{
    const int columns = int(table.headings.size());
    grid.setCols(columns);
    grid.setRows(1);
    grid.setFixedRows(1);
    QList<int> widths(columns, 0);
    for (int c = 0; c < columns; ++c) {
        grid.setTextMatrix(0, c, table.headings[c]);
        widths[c] = displayWidth(table.headings[c]);
    }
    for (qsizetype r = 0; r < table.rowCount; ++r) {
        QStringList cells;
        for (int c = 0; c < columns; ++c) {
            QString text = table.cell(r, c);
            text.replace(u'\t', u' ');
            widths[c] = std::max(widths[c], displayWidth(text));
            cells << text;
        }
        grid.AddItem(cells.join(u'\t'));
    }
    LedgerSheet sheet(grid, 1);
    for (int c = 0; c < columns; ++c) {
        const int twips = (widths[c] + 2) * TwipsPerCharacter;
        const int alignment = table.rightAligned.value(c) ? GridAlignment::rightCentre : GridAlignment::leftCentre;
        grid.setColWidth(c, twips);
        grid.setColAlignment(c, alignment);
        sheet.columns << SheetColumn{c, table.headings[c], twips, alignment, classes.value(c, ExportClass::Text), -1};
    }
    return sheet;
}

} // namespace qxmxz::cli

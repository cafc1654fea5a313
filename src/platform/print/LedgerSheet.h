#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace qxmxz {

class GridModel;
class HeaderModel;

// How an exported column's cells are written: texts as texts (a cell that
// reads as a decimal number or a date is still written as one), measures
// (quantities, prices, rates) and money as numbers with the shown decimals.
enum class ExportClass { Text, Measure, Money };

// One shown column of a ledger, in the order shown.
struct SheetColumn {
    int gridColumn = 0;
    QString caption;
    int widthTwips = 0;
    int alignment = 1; // GridAlignment code of the column
    ExportClass exportClass = ExportClass::Text;
    int band = -1;     // index into LedgerSheet::bands, -1 when the caption spans both heading rows
};

// A caption over a run of shown columns (indexes into LedgerSheet::columns).
struct SheetBand {
    QString caption;
    int firstColumn = 0;
    int lastColumn = 0;
};

// The page-header fields of a printed ledger: t1..t6 of the heading (t1 the
// title) and t1..t6 of the footing. Missing fields read empty.
struct PageHeading {
    QStringList heading;
    QStringList footing;
    QString field(bool footingTable, int number) const; // number 1..6
};

// What the print control and the export writers read: the shown columns and
// bands of a ledger and its rows, straight from the grid (no copy). Rows of
// height 0 (hidden by the find dialog, or by the layout) are left out.
class LedgerSheet {
public:
    LedgerSheet(const GridModel &grid, int firstRow);

    const GridModel &grid() const { return *m_grid; }
    QList<SheetColumn> columns;
    QList<SheetBand> bands;
    PageHeading heading;

    // Grid rows that are shown, in order; counted by walking row heights.
    qsizetype shownRowCount() const;
    // Calls `visit(gridRow)` for each shown row until it returns false.
    template <typename Visit>
    void forEachShownRow(Visit visit) const
    {
        for (int row = m_firstRow; row < rowLimit(); ++row)
            if (isShown(row) && !visit(row))
                return;
    }
    QString text(int gridRow, int column) const;
    // The background colour of the row's first shown cell (GridColor numbering), or noColor.
    int rowColour(int gridRow) const;
    int totalWidthTwips() const;

private:
    int rowLimit() const;
    bool isShown(int row) const;
    const GridModel *m_grid;
    int m_firstRow;
};

// The sheet of a detail, month-by-month or merged ledger: the grid columns
// `firstColumn`..`lastColumn` that neither the header nor the grid hides,
// captioned by the header, under its bands. `classes` gives the export class
// of each grid column (missing ones are texts).
LedgerSheet ledgerGridSheet(const GridModel &grid, const HeaderModel &header, int firstColumn, int lastColumn,
                            const QList<ExportClass> &classes);

// The sheet of a grid that carries its own two heading rows (rows 0 and 1,
// the general ledger): a column whose two heading texts differ sits under a
// band of the first row's text, shared with its neighbours of the same text.
LedgerSheet headedGridSheet(const GridModel &grid, const QList<ExportClass> &classes);

} // namespace qxmxz

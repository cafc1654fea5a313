#pragma once

#include <QString>
#include <QVarLengthArray>
#include <QVariant>
#include <functional>

#include "platform/values/Currency.h"

namespace qxmxz {

class GlPublic;
class GridModel;

// The month-by-month ledger's rows on the grid while they are written, so
// that the first page shows as soon as it exists: an end account's row when
// it is written, an ancestor's rows when its first end account starts (then
// rewritten as each of its end accounts adds to them). A stop takes the rows
// of the group it interrupted away again, so what stays on the grid belongs
// to complete groups.
class MonthGridRows {
public:
    // A row's values by position in the month table's column list.
    using Values = std::function<const QVariant &(int position)>;
    using Money = std::function<Currency(int position)>;

    MonthGridRows(const GlPublic &pub, GridModel *grid, int pageLines);

    // Appends a row with its colour and alignments; returns its grid row.
    int append(const Values &value, const Money &money);
    void rewrite(int row, const Values &value, const Money &money);

    void startGroup();
    void dropGroup();
    // Shows what is held back; true once the first page has been shown.
    bool showPage();
    void finish();
    bool firstPageShown() const { return m_firstPageShown; }

private:
    using Cells = QVarLengthArray<QString, 64>;
    // The grid cells of one row: numbers formatted for display, the
    // counterpart column in its place, the posted flag last; a tab shown as a
    // space.
    const Cells &cellsOf(const Values &value, const Money &money);
    void format(int row, const Values &value);

    const GlPublic &m_pub;
    GridModel *m_grid;
    int m_pageLines;
    int m_groupStart = 0;
    int m_heldRows = 0;
    bool m_firstPageShown = false;
    Cells m_cells; // the last row's
};

} // namespace qxmxz

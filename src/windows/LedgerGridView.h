#pragma once

#include <QTableView>

namespace qxmxz {

class BandHeaderView;
class GridModel;
class HeaderModel;

// A ledger grid: a table view on the engine's GridModel under a two-level
// header. Cell colours and alignments come from the model, a row of height 0
// is hidden, and nothing is painted while the model holds its redraw off.
// The lock freezes the leading columns: they stay in place while the others
// scroll under them.
class LedgerGridView : public QTableView {
    Q_OBJECT
public:
    explicit LedgerGridView(QWidget *parent = nullptr);
    void setLedger(GridModel *grid, HeaderModel *header);
    GridModel *grid() const { return m_grid; }
    BandHeaderView *bandHeader() const { return m_bandHeader; }

    // The width the column's texts on screen need, in pixels.
    int contentWidth(int column) const { return sizeHintForColumn(column); }

    void setLocked(bool locked, int leadingColumns);
    bool isLocked() const { return m_locked; }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void applyRowHeights(int first, int last);
    void placeFrozenView();

    GridModel *m_grid = nullptr;
    BandHeaderView *m_bandHeader = nullptr;
    QTableView *m_frozen = nullptr; // the leading columns over the grid while locked
    bool m_locked = false;
    int m_lockedColumns = 0;
};

} // namespace qxmxz

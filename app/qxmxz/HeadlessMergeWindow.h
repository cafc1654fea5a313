#pragma once

#include <QObject>

#include "StopOnSignals.h"

namespace qxmxz {
class GridModel;
}

namespace qxmxz::cli {

// What the merged ledger reads from its host window, by name, on the command
// line: the stop flag (set by Ctrl+C or SIGTERM) and the window's grid.
class HeadlessMergeWindow : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool bUserStop READ bUserStop)
    Q_PROPERTY(QObject *MxzGrid2 READ MxzGrid2)

public:
    explicit HeadlessMergeWindow(GridModel &grid, QObject *parent = nullptr);
    ~HeadlessMergeWindow() override;

    bool bUserStop() const;
    QObject *MxzGrid2() const;

private:
    GridModel &m_grid;
    StopOnSignals m_stopSignals;
};

} // namespace qxmxz::cli

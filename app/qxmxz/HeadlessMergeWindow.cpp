#include "HeadlessMergeWindow.h"

#include "platform/ui/GridModel.h"

namespace qxmxz::cli {

// A stop signal while the window lives asks the run to stop before its next voucher.
HeadlessMergeWindow::HeadlessMergeWindow(GridModel &grid, QObject *parent) : QObject(parent), m_grid(grid) {}

HeadlessMergeWindow::~HeadlessMergeWindow() = default;

bool HeadlessMergeWindow::bUserStop() const
{
    return StopOnSignals::requested();
}

QObject *HeadlessMergeWindow::MxzGrid2() const
{
    return &m_grid;
}

} // namespace qxmxz::cli

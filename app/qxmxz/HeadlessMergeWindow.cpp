#include "HeadlessMergeWindow.h"

#include "platform/ui/GridModel.h"

namespace qxmxz::cli {

namespace {

volatile std::sig_atomic_t interrupted = 0;

void onInterrupt(int)
{
    interrupted = 1;
}

} // namespace

// An interrupt while the window lives asks the run to stop before its next voucher.
HeadlessMergeWindow::HeadlessMergeWindow(GridModel &grid, QObject *parent) : QObject(parent), m_grid(grid)
{
    interrupted = 0;
    m_previousHandler = std::signal(SIGINT, onInterrupt);
}

HeadlessMergeWindow::~HeadlessMergeWindow()
{
    std::signal(SIGINT, m_previousHandler);
}

bool HeadlessMergeWindow::bUserStop() const
{
    return interrupted != 0;
}

QObject *HeadlessMergeWindow::MxzGrid2() const
{
    return &m_grid;
}

} // namespace qxmxz::cli

#pragma once

#include <QElapsedTimer>
#include <QMetaObject>
#include <QTextStream>

namespace qxmxz {
class GridModel;
class HintState;
}

namespace qxmxz::cli {

// Watches a ledger run: prints the engine's hint texts as a progress line on
// stderr when it is a terminal, and measures the time until the grid shows
// its first page and until the run ends.
class RunProgress {
public:
    RunProgress(HintState &hint, GridModel &grid, QTextStream &err);
    ~RunProgress();
    void finish();
    qint64 msToFirstPage() const { return m_firstPage; }
    qint64 msToEnd() const { return m_end; }

private:
    QTextStream &m_err;
    QElapsedTimer m_clock;
    qint64 m_firstPage = -1;
    qint64 m_end = -1;
    qint64 m_lastPrint = -1000;
    bool m_terminal = false;
    bool m_printed = false;
    QMetaObject::Connection m_gridConnection;
    QMetaObject::Connection m_hintConnection;
};

} // namespace qxmxz::cli

#pragma once

#include <QElapsedTimer>
#include <QMetaObject>
#include <QTextStream>
#include <functional>

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
    bool onTerminal() const { return m_terminal; }
    // Once rows arrive the progress line counts them against the lines the
    // run goes through, in the words of `describe(done, total)`.
    void countLines(qint64 total, std::function<QString(qint64 done, qint64 total)> describe);
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
    GridModel &m_grid;
    qint64 m_total = 0;
    bool m_counted = false;
    std::function<QString(qint64, qint64)> m_describe;
    void show(const QString &hint);
    QMetaObject::Connection m_gridConnection;
    QMetaObject::Connection m_hintConnection;
};

} // namespace qxmxz::cli

#include "RunProgress.h"

#include <unistd.h>

#include "TableOutput.h"
#include "platform/ui/GridModel.h"
#include "platform/ui/HintState.h"

namespace qxmxz::cli {

RunProgress::RunProgress(HintState &hint, GridModel &grid, QTextStream &err) : m_err(err), m_grid(grid)
{
    m_terminal = isatty(STDERR_FILENO) == 1;
    m_clock.start();
    m_gridConnection = QObject::connect(&grid, &GridModel::rowsInserted, &grid, [this, &hint] {
        if (m_firstPage < 0)
            m_firstPage = m_clock.elapsed();
        if (m_terminal && m_total > 0)
            show(hint.text());
    });
    if (m_terminal)
        m_hintConnection = QObject::connect(&hint, &HintState::refreshed, &hint, [this](const QString &text) { show(text); });
}

void RunProgress::countLines(qint64 total, std::function<QString(qint64, qint64)> describe)
{
    m_total = total;
    m_describe = std::move(describe);
}

void RunProgress::show(const QString &hint)
{
    const qint64 rows = m_grid.Rows() - m_grid.FixedRows();
    const bool counting = m_total > 0 && rows > 0 && m_describe;
    // A terminal is redrawn ten times a second at most; the first count is shown at once.
    const qint64 now = m_clock.elapsed();
    if (now - m_lastPrint < 100 && !(counting && !m_counted))
        return;
    m_lastPrint = now;
    m_counted = m_counted || counting;
    QString line = counting ? m_describe(std::min(rows, m_total), m_total) : hint;
    line = line.left(70);
    line += QString(std::max(0, 72 - displayWidth(line)), u' ');
    m_err << '\r' << line;
    m_err.flush();
    m_printed = true;
}

RunProgress::~RunProgress()
{
    QObject::disconnect(m_gridConnection);
    QObject::disconnect(m_hintConnection);
    finish();
}

void RunProgress::finish()
{
    if (m_end < 0)
        m_end = m_clock.elapsed();
    if (m_printed) {
        m_err << '\r' << QString(72, u' ') << '\r';
        m_err.flush();
        m_printed = false;
    }
}

} // namespace qxmxz::cli

#include "MonthTableCopy.h"

#include "WorkingTables.h"
#include "platform/sql/Connection.h"
#include "platform/sql/SqlText.h"

#include <QScopeGuard>

namespace qxmxz {

namespace {

constexpr int CopyCacheKiB = 512;
const QString ScratchSchema = QStringLiteral("month_lines");

// Runs `work` with the scratch file attached to `connection`, and detaches it
// after, also when `work` throws.
template <class Work>
void withScratch(Connection &connection, const QString &file, Work &&work)
{
    connection.execute(QStringLiteral("ATTACH DATABASE '") + sqlQuoted(file) + QStringLiteral("' AS ") + ScratchSchema);
    auto detach = qScopeGuard(
        [&] { connection.executeIgnoringErrors(QStringLiteral("DETACH DATABASE ") + ScratchSchema); });
    work();
}

} // namespace

MonthTableCopy::MonthTableCopy(Connection &server, QString name, QString condition)
    : m_server(server), m_name(std::move(name)), m_condition(std::move(condition))
{
    if (m_server.writesBesideReaders()) {
        m_beside = std::make_unique<ReadAhead<NoItem>>(
            m_server, [name = m_name, condition = m_condition](Connection &own, ReadAhead<NoItem>::Sink &) {
                WorkingTables::createMxzmonth(own, name, condition);
            });
        return;
    }
    // An SQLite writer of the company file waits for its readers, so the
    // table itself is made once the reading is done. Its lines are chosen
    // and sorted beside the reading, into a scratch file of their own, and
    // only copied across at the end.
    m_scratch = std::make_unique<QTemporaryDir>();
    if (!m_scratch->isValid()) {
        m_scratch.reset();
        return;
    }
    m_beside = std::make_unique<ReadAhead<NoItem>>(
        m_server, [file = scratchFile(), condition = m_condition](Connection &own, ReadAhead<NoItem>::Sink &) {
            withScratch(own, file, [&] {
                // The file is the run's alone and goes with it.
                own.execute(QStringLiteral("PRAGMA ") + ScratchSchema + QStringLiteral(".journal_mode=OFF"));
                own.execute(QStringLiteral("PRAGMA ") + ScratchSchema + QStringLiteral(".synchronous=OFF"));
                own.withSqlitePageCache(CopyCacheKiB, [&] {
                    own.execute(QStringLiteral("SELECT * INTO ") + ScratchSchema + QStringLiteral(".lines FROM ")
                                + condition);
                });
            });
        });
}

QString MonthTableCopy::scratchFile() const
{
    return m_scratch->filePath(QStringLiteral("month-lines.db"));
}

// A run that fails before its end still waits for a copy under way (the
// reading's close joins its thread), but starts none.
MonthTableCopy::~MonthTableCopy() = default;

void MonthTableCopy::finish()
{
    if (m_finished)
        return;
    m_finished = true;
    if (m_beside)
        m_beside->current(); // the end of the copy; rethrows its failure
    if (m_server.writesBesideReaders())
        return;
    // The copy runs once the grid is full, and its page cache and sort add
    // to the run's peak: it runs with a smaller cache than the connection's.
    m_server.withSqlitePageCache(CopyCacheKiB, [this] {
        if (m_scratch)
            withScratch(m_server, scratchFile(), [this] {
                WorkingTables::createMxzmonth(m_server, m_name, ScratchSchema + QStringLiteral(".lines"));
            });
        else
            WorkingTables::createMxzmonth(m_server, m_name, m_condition);
    });
}

} // namespace qxmxz

#include "MonthTableCopy.h"

#include "WorkingTables.h"
#include "platform/sql/Connection.h"

namespace qxmxz {

namespace {

constexpr int CopyCacheKiB = 512;

} // namespace

MonthTableCopy::MonthTableCopy(Connection &server, QString name, QString condition)
    : m_server(server), m_name(std::move(name)), m_condition(std::move(condition))
{
    if (m_server.writesBesideReaders())
        m_beside = std::make_unique<ReadAhead<NoItem>>(
            m_server, [name = m_name, condition = m_condition](Connection &own, ReadAhead<NoItem>::Sink &) {
                WorkingTables::createMxzmonth(own, name, condition);
            });
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
    else {
        // The copy runs once the grid is full, and its page cache and sort add
        // to the run's peak: it runs with a smaller cache than the connection's.
        m_server.withSqlitePageCache(CopyCacheKiB,
                                     [this] { WorkingTables::createMxzmonth(m_server, m_name, m_condition); });
    }
}

} // namespace qxmxz

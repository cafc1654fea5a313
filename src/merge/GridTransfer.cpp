#include "GridTransfer.h"

#include <algorithm>

#include "platform/sql/LocalRecordSet.h"
#include "services/LedgerGridRows.h"

namespace qxmxz {

GridTransfer::GridTransfer(GridModel *grid, DynasetRecordSet &rows, qint32 &copied, qint32 &written, qint32 batchSize)
    : m_grid(grid), m_rows(rows), m_copied(copied), m_written(written), m_batchSize(std::max(1, batchSize))
{
}

void GridTransfer::rowWritten()
{
    ++m_written;
    batch();
}

void GridTransfer::batch()
{
    if (m_written - m_copied >= m_batchSize)
        copy(m_written - m_copied);
}

void GridTransfer::final()
{
    if (m_written > m_copied)
        copy(m_written - m_copied);
}

void GridTransfer::copy(qint32 count)
{
    if (m_grid) {
        // The cursor moves on from the last row copied; rows are never read twice.
        m_rows.moveFirst();
        m_rows.move(m_copied);
        appendLedgerRows(*m_grid, m_rows, count);
    }
    m_copied += count;
}

} // namespace qxmxz

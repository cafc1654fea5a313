#pragma once

#include <QtGlobal>

namespace qxmxz {

class DynasetRecordSet;
class GridModel;

// Copies the rows of a merged ledger's working table into the host's grid
// while they are written. `copied` and `written` are the query's
// lngStartRecord and lngEndRecord: the rows already in the grid and the rows
// in the table. Without a grid the rows only stay in the table.
class GridTransfer {
public:
    GridTransfer(GridModel *grid, DynasetRecordSet &rows, qint32 &copied, qint32 &written, qint32 batchSize);

    // A row was saved: count it and copy a batch when one is full.
    void rowWritten();
    // Copies a batch when at least `batchSize` rows are waiting.
    void batch();
    // Copies every row still waiting.
    void final();

private:
    void copy(qint32 count);

    GridModel *m_grid;
    DynasetRecordSet &m_rows;
    qint32 &m_copied;
    qint32 &m_written;
    qint32 m_batchSize;
};

} // namespace qxmxz

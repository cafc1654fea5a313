#pragma once

#include <QList>
#include <QString>
#include <QStringView>
#include <memory>
#include <vector>

namespace qxmxz {

// The cell texts of a grid, compact enough for a million ledger rows: no
// object per cell. Each row is one record in a large append-only byte block:
// a cell count, then per cell a length with a one-bit width flag and the
// characters, one byte each when they all fit Latin-1 (numbers, codes,
// dates), UTF-16 otherwise (Chinese summaries and names). Empty cells
// between texts are stored as runs, trailing ones not at all, and a row with
// no text has no record.
//
// A changed row is written again at the end of the blocks; the space of its
// old record is counted and reclaimed by compacting once it outweighs the
// live records. The row being edited cell by cell is kept decoded until
// another row is edited, so filling a row with one call per cell writes its
// record once.
class CellTextStore {
public:
    CellTextStore();
    ~CellTextStore();
    CellTextStore(const CellTextStore &) = delete;
    CellTextStore &operator=(const CellTextStore &) = delete;

    int columnCount() const { return m_columnCount; }
    // Cells at and beyond the new count are dropped from every row.
    void setColumnCount(int columns);

    qsizetype rowCount() const { return qsizetype(m_rows.size()); }
    void insertEmptyRows(qsizetype at, qsizetype count);
    // One row whose cells are the pieces of `text` between tab characters;
    // pieces beyond the column count are dropped, missing ones stay empty.
    void insertTabbedRow(qsizetype at, QStringView text);
    // One row of `count` cells given one by one; cells beyond the column
    // count are dropped, missing ones stay empty.
    void insertRow(qsizetype at, const QStringView *cells, int count);
    void removeRows(qsizetype from, qsizetype count);

    QString cell(qsizetype row, int column) const;
    void setCell(qsizetype row, int column, const QString &text);
    // Every cell becomes empty; the rows stay.
    void clearText();

    // Bytes held: blocks (allocated size), row index, the row being edited.
    qsizetype byteSize() const;

private:
    struct Location {
        quint32 block;
        quint32 offset;
    };
    struct Block {
        std::unique_ptr<char[]> bytes;
        quint32 used = 0;
        quint32 capacity = 0;
    };
    static constexpr quint32 noRecord = 0xFFFFFFFFu;

    void flushOpenRow();
    void forgetSeek() { m_seekRow = -1; }
    void openRow(qsizetype row);
    QList<QString> decodedRow(Location location) const;
    const char *recordStart(Location location) const;
    qsizetype recordSize(Location location) const;
    void release(Location location);
    template <typename Cells>
    Location store(const Cells &cells, int count);
    Location appendRecord(const char *record, quint32 size);
    void compactIfWorthIt();

    int m_columnCount = 0;
    std::vector<Location> m_rows;
    std::vector<Block> m_blocks;
    qsizetype m_liveBytes = 0;
    qsizetype m_deadBytes = 0;
    std::vector<char> m_scratch; // a record being written; only grows

    qsizetype m_openRow = -1;
    QList<QString> m_openCells;

    // Where the cells of the row read last begin, so that reading a row cell
    // by cell walks its record once; forgotten by every change.
    mutable qsizetype m_seekRow = -1;
    mutable std::vector<const char *> m_seekCells;
};

} // namespace qxmxz

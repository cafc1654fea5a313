#include "CellTextStore.h"

#include <QVarLengthArray>
#include <cstring>

namespace qxmxz {

namespace {

// Large enough that a block holds about a thousand ledger rows, small enough
// that the unused tail of the last block does not matter.
constexpr quint32 blockSize = 256 * 1024;

// Most bytes a record of these cells can take: the count and per cell a
// length of at most ten bytes, then two bytes per character.
qsizetype recordBound(qsizetype cells, qsizetype characters)
{
    return 10 + 10 * cells + 2 * characters;
}

char *putNumber(char *out, quint64 value)
{
    while (value >= 0x80) {
        *out++ = char(0x80 | (value & 0x7F));
        value >>= 7;
    }
    *out++ = char(value);
    return out;
}

quint64 takeNumber(const char *&p)
{
    quint64 value = 0;
    int shift = 0;
    for (;;) {
        const auto byte = static_cast<unsigned char>(*p++);
        value |= quint64(byte & 0x7F) << shift;
        if (!(byte & 0x80))
            return value;
        shift += 7;
    }
}

char *putCell(char *out, QStringView text)
{
    const char16_t *characters = text.utf16();
    const qsizetype length = text.size();
    bool latin1 = true;
    for (qsizetype i = 0; i < length; ++i)
        if (characters[i] > 0xFF) {
            latin1 = false;
            break;
        }
    if (latin1) {
        out = putNumber(out, quint64(length) << 1);
        for (qsizetype i = 0; i < length; ++i)
            *out++ = char(characters[i]);
        return out;
    }
    out = putNumber(out, (quint64(length) << 1) | 1);
    std::memcpy(out, characters, std::size_t(length) * sizeof(char16_t));
    return out + length * qsizetype(sizeof(char16_t));
}

// Reads the cell at `p` and moves past it.
QString takeCell(const char *&p)
{
    const quint64 header = takeNumber(p);
    const auto length = qsizetype(header >> 1);
    if (header & 1) {
        QString text(length, Qt::Uninitialized);
        std::memcpy(text.data(), p, std::size_t(length) * sizeof(char16_t));
        p += length * qsizetype(sizeof(char16_t));
        return text;
    }
    QString text = QString::fromLatin1(p, length);
    p += length;
    return text;
}

// A text's header is its length shifted left by one with the UTF-16 flag in
// the low bit, so "UTF-16 of no characters" never describes a text: that
// header opens a run of empty cells, followed by the run's length. A ledger
// row leaves most of its fifty-odd columns empty, and one byte per empty
// cell was a third of its record.
constexpr quint64 emptyRun = 1;
// The header of one empty cell, where the cells of a run point.
constexpr char emptyCell[1] = {0};

char *putEmptyCells(char *out, quint64 count)
{
    if (count == 1) {
        *out++ = emptyCell[0];
        return out;
    }
    out = putNumber(out, emptyRun);
    return putNumber(out, count);
}

// Hands `visit` the header of each of a record's `count` cells (the shared
// empty header for the cells of a run) and returns the end of the record.
template <typename Visit>
const char *walkCells(const char *p, quint64 count, Visit visit)
{
    quint64 column = 0;
    while (column < count) {
        const char *cell = p;
        const quint64 header = takeNumber(p);
        if (header == emptyRun) {
            const quint64 run = qMin(takeNumber(p), count - column);
            for (quint64 i = 0; i < run; ++i)
                visit(emptyCell);
            column += run;
            continue;
        }
        p += qsizetype(header >> 1) * ((header & 1) ? 2 : 1);
        visit(cell);
        ++column;
    }
    return p;
}

const char *recordEnd(const char *p, quint64 count)
{
    return walkCells(p, count, [](const char *) {});
}

} // namespace

CellTextStore::CellTextStore() = default;
CellTextStore::~CellTextStore() = default;

void CellTextStore::setColumnCount(int columns)
{
    forgetSeek();
    columns = qMax(columns, 0);
    if (columns < m_columnCount) {
        flushOpenRow();
        for (Location &location : m_rows) {
            if (location.block == noRecord)
                continue;
            const char *p = recordStart(location);
            if (takeNumber(p) <= quint64(columns))
                continue;
            const QList<QString> cells = decodedRow(location);
            const Location shorter = store(cells, columns);
            release(location);
            location = shorter;
        }
        compactIfWorthIt();
    }
    m_columnCount = columns;
    m_openCells.resize(m_openRow >= 0 ? columns : 0);
}

void CellTextStore::insertEmptyRows(qsizetype at, qsizetype count)
{
    forgetSeek();
    flushOpenRow();
    m_rows.insert(m_rows.begin() + at, std::size_t(count), Location{noRecord, 0});
}

void CellTextStore::insertTabbedRow(qsizetype at, QStringView text)
{
    forgetSeek();
    flushOpenRow();
    QVarLengthArray<QStringView, 64> cells;
    qsizetype start = 0;
    while (cells.size() < m_columnCount) {
        const qsizetype tab = text.indexOf(u'\t', start);
        if (tab < 0) {
            cells.append(text.mid(start));
            break;
        }
        cells.append(text.mid(start, tab - start));
        start = tab + 1;
    }
    insertRow(at, cells.data(), int(cells.size()));
}

void CellTextStore::insertRow(qsizetype at, const QStringView *cells, int count)
{
    forgetSeek();
    flushOpenRow();
    const Location location = store(cells, count);
    m_rows.insert(m_rows.begin() + at, location);
}

void CellTextStore::removeRows(qsizetype from, qsizetype count)
{
    forgetSeek();
    flushOpenRow();
    for (qsizetype row = from; row < from + count; ++row)
        release(m_rows[std::size_t(row)]);
    m_rows.erase(m_rows.begin() + from, m_rows.begin() + from + count);
    if (m_rows.empty()) {
        m_blocks.clear();
        m_liveBytes = m_deadBytes = 0;
    } else {
        compactIfWorthIt();
    }
}

QString CellTextStore::cell(qsizetype row, int column) const
{
    if (row == m_openRow)
        return m_openCells[column];
    const Location location = m_rows[std::size_t(row)];
    if (location.block == noRecord)
        return {};
    if (row != m_seekRow) {
        const char *p = recordStart(location);
        const quint64 count = takeNumber(p);
        m_seekCells.clear();
        walkCells(p, count, [this](const char *cell) { m_seekCells.push_back(cell); });
        m_seekRow = row;
    }
    if (std::size_t(column) >= m_seekCells.size())
        return {};
    const char *p = m_seekCells[std::size_t(column)];
    return takeCell(p);
}

void CellTextStore::setCell(qsizetype row, int column, const QString &text)
{
    forgetSeek();
    if (row != m_openRow) {
        flushOpenRow();
        openRow(row);
    }
    m_openCells[column] = text;
}

void CellTextStore::clearText()
{
    forgetSeek();
    m_openRow = -1;
    m_openCells.clear();
    std::fill(m_rows.begin(), m_rows.end(), Location{noRecord, 0});
    m_blocks.clear();
    m_liveBytes = m_deadBytes = 0;
}

qsizetype CellTextStore::byteSize() const
{
    qsizetype bytes = qsizetype(m_rows.capacity() * sizeof(Location) + m_blocks.capacity() * sizeof(Block)
                                + m_scratch.capacity());
    for (const Block &block : m_blocks)
        bytes += block.capacity;
    for (const QString &text : m_openCells)
        bytes += qsizetype(sizeof(QString)) + text.capacity() * 2;
    return bytes;
}

void CellTextStore::openRow(qsizetype row)
{
    m_openCells = decodedRow(m_rows[std::size_t(row)]);
    m_openRow = row;
}

void CellTextStore::flushOpenRow()
{
    if (m_openRow < 0)
        return;
    const Location written = store(m_openCells, m_columnCount);
    release(m_rows[std::size_t(m_openRow)]);
    m_rows[std::size_t(m_openRow)] = written;
    m_openRow = -1;
    m_openCells.clear();
    compactIfWorthIt();
}

QList<QString> CellTextStore::decodedRow(Location location) const
{
    QList<QString> cells(m_columnCount);
    if (location.block == noRecord)
        return cells;
    const char *p = recordStart(location);
    const quint64 count = qMin(takeNumber(p), quint64(m_columnCount));
    qsizetype column = 0;
    walkCells(p, count, [&](const char *cell) { cells[column++] = takeCell(cell); });
    return cells;
}

const char *CellTextStore::recordStart(Location location) const
{
    return m_blocks[location.block].bytes.get() + location.offset;
}

qsizetype CellTextStore::recordSize(Location location) const
{
    const char *start = recordStart(location);
    const char *p = start;
    const quint64 count = takeNumber(p);
    return recordEnd(p, count) - start;
}

void CellTextStore::release(Location location)
{
    if (location.block == noRecord)
        return;
    const qsizetype size = recordSize(location);
    m_liveBytes -= size;
    m_deadBytes += size;
}

template <typename Cells>
CellTextStore::Location CellTextStore::store(const Cells &cells, int count)
{
    count = qMin(count, m_columnCount);
    int stored = count;
    while (stored > 0 && QStringView(cells[stored - 1]).isEmpty())
        --stored;
    if (stored == 0)
        return Location{noRecord, 0};
    qsizetype characters = 0;
    for (int column = 0; column < stored; ++column)
        characters += QStringView(cells[column]).size();
    const auto bound = std::size_t(recordBound(stored, characters));
    if (m_scratch.size() < bound)
        m_scratch.resize(bound);
    char *out = putNumber(m_scratch.data(), quint64(stored));
    quint64 empties = 0; // empty cells waiting for the next text
    for (int column = 0; column < stored; ++column) {
        const QStringView text(cells[column]);
        if (text.isEmpty()) {
            ++empties;
            continue;
        }
        if (empties) {
            out = putEmptyCells(out, empties);
            empties = 0;
        }
        out = putCell(out, text);
    }
    return appendRecord(m_scratch.data(), quint32(out - m_scratch.data()));
}

// Copies a record to the end of the last block, opening a new block when it
// does not fit.
CellTextStore::Location CellTextStore::appendRecord(const char *record, quint32 size)
{
    if (m_blocks.empty() || m_blocks.back().capacity - m_blocks.back().used < size) {
        Block block;
        block.capacity = qMax(blockSize, size);
        block.bytes.reset(new char[block.capacity]);
        m_blocks.push_back(std::move(block));
    }
    Block &block = m_blocks.back();
    const Location location{quint32(m_blocks.size() - 1), block.used};
    std::memcpy(block.bytes.get() + block.used, record, size);
    block.used += size;
    m_liveBytes += size;
    return location;
}

void CellTextStore::compactIfWorthIt()
{
    if (m_deadBytes <= qMax(m_liveBytes, qsizetype(4) * blockSize))
        return;
    std::vector<Block> old = std::move(m_blocks);
    m_blocks.clear();
    m_liveBytes = m_deadBytes = 0;
    for (Location &location : m_rows) {
        if (location.block == noRecord)
            continue;
        const char *start = old[location.block].bytes.get() + location.offset;
        const char *p = start;
        const quint64 count = takeNumber(p);
        location = appendRecord(start, quint32(recordEnd(p, count) - start));
    }
}

} // namespace qxmxz

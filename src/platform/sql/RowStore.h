#pragma once

#include <QByteArray>
#include <QVariant>
#include <QVector>
#include <cstdint>
#include <vector>

namespace qxmxz {

// Rows of values kept compactly in one byte buffer: a tag and the bytes of
// each value, no per-value objects. A query result held for navigation costs
// little more than its data.
class RowStore {
public:
    void append(const QVector<QVariant> &row);
    qsizetype rowCount() const { return static_cast<qsizetype>(m_rowOffsets.size()); }
    // Decodes one whole row; `out` is resized to the row's length.
    void read(qsizetype row, QVector<QVariant> &out) const;
    void clear();
    qsizetype byteSize() const { return m_bytes.size() + qsizetype(m_rowOffsets.size() * sizeof(std::uint64_t)); }

private:
    QByteArray m_bytes;
    std::vector<std::uint64_t> m_rowOffsets;
};

} // namespace qxmxz

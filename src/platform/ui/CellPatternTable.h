#pragma once

#include <QtGlobal>
#include <map>
#include <unordered_map>
#include <vector>

namespace qxmxz {

// Per-cell attributes of grid rows (alignment, background colour) kept as a
// small table of distinct row patterns: a row stores one pattern number, and
// rows formatted alike share one pattern. A ledger paints the same alignments
// on every row and the same colour on every unposted row, so a million rows
// need a handful of patterns.
//
// A pattern is a list of 16-bit codes, one per column from 0; code 0 means
// "nothing set" and columns past the end of a list read as 0. Pattern 0 is the
// row with nothing set.
class CellPatternTable {
public:
    static constexpr quint32 plainPattern = 0;

    CellPatternTable();

    quint16 code(quint32 pattern, int column) const;
    // The pattern that equals `pattern` except at `column`.
    quint32 withCode(quint32 pattern, int column, quint16 code);
    // Every one of the first `columns` columns carries `code`.
    quint32 uniform(int columns, quint16 code);
    // The pattern cut after its first `columns` columns.
    quint32 truncated(quint32 pattern, int columns);

    void clear();
    qsizetype patternCount() const { return qsizetype(m_patterns.size()); }
    qsizetype byteSize() const;

private:
    quint32 intern(std::vector<quint16> codes);

    std::vector<std::vector<quint16>> m_patterns;
    std::map<std::vector<quint16>, quint32> m_numbers;
    // (pattern, column, code) -> pattern: setting a cell on a row is a lookup
    // after the first row that took that step.
    std::unordered_map<quint64, quint32> m_steps;
};

} // namespace qxmxz

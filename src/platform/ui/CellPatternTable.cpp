#include "CellPatternTable.h"

namespace qxmxz {

CellPatternTable::CellPatternTable()
{
    clear();
}

void CellPatternTable::clear()
{
    m_patterns.clear();
    m_numbers.clear();
    m_steps.clear();
    intern({});
}

quint16 CellPatternTable::code(quint32 pattern, int column) const
{
    const std::vector<quint16> &codes = m_patterns[pattern];
    return column >= 0 && std::size_t(column) < codes.size() ? codes[std::size_t(column)] : quint16(0);
}

quint32 CellPatternTable::withCode(quint32 pattern, int column, quint16 code)
{
    Q_ASSERT(column >= 0 && column <= 0xFFFF);
    const quint64 step = (quint64(pattern) << 32) | (quint64(column) << 16) | code;
    const auto known = m_steps.find(step);
    if (known != m_steps.end())
        return known->second;

    std::vector<quint16> codes = m_patterns[pattern];
    if (std::size_t(column) >= codes.size())
        codes.resize(std::size_t(column) + 1, 0);
    codes[std::size_t(column)] = code;
    const quint32 result = intern(std::move(codes));
    m_steps.emplace(step, result);
    return result;
}

quint32 CellPatternTable::uniform(int columns, quint16 code)
{
    return intern(std::vector<quint16>(std::size_t(qMax(columns, 0)), code));
}

quint32 CellPatternTable::truncated(quint32 pattern, int columns)
{
    const std::vector<quint16> &codes = m_patterns[pattern];
    if (codes.size() <= std::size_t(qMax(columns, 0)))
        return pattern;
    return intern(std::vector<quint16>(codes.begin(), codes.begin() + qMax(columns, 0)));
}

quint32 CellPatternTable::intern(std::vector<quint16> codes)
{
    // Trailing unset columns are dropped so that equal rows meet in one entry.
    while (!codes.empty() && codes.back() == 0)
        codes.pop_back();
    const auto known = m_numbers.find(codes);
    if (known != m_numbers.end())
        return known->second;
    const quint32 number = quint32(m_patterns.size());
    m_numbers.emplace(codes, number);
    m_patterns.push_back(std::move(codes));
    return number;
}

qsizetype CellPatternTable::byteSize() const
{
    qsizetype bytes = qsizetype(m_patterns.capacity() * sizeof(std::vector<quint16>));
    for (const std::vector<quint16> &codes : m_patterns)
        bytes += qsizetype(2 * codes.capacity() * sizeof(quint16)); // the list and its key copy
    bytes += qsizetype(m_numbers.size() * (sizeof(std::vector<quint16>) + sizeof(quint32) + 32));
    bytes += qsizetype(m_steps.size() * (sizeof(quint64) + sizeof(quint32) + 16) + m_steps.bucket_count() * sizeof(void *));
    return bytes;
}

} // namespace qxmxz

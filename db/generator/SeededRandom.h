#pragma once

#include <QtGlobal>

namespace qxmxz::db {

// A small pseudo-random sequence (SplitMix64) that gives the same numbers for
// the same seed on every platform and compiler, which the standard library's
// distributions do not promise.
class SeededRandom {
public:
    explicit SeededRandom(quint64 seed) : m_state(seed) {}

    quint64 next()
    {
        quint64 z = (m_state += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }

    // A whole number from `low` to `high`, both included.
    qint64 between(qint64 low, qint64 high)
    {
        const quint64 span = quint64(high - low) + 1;
        return low + qint64(next() % span);
    }

    // True with the given chance in percent.
    bool percent(int chance) { return between(1, 100) <= chance; }

    template <typename List>
    const auto &pick(const List &list)
    {
        return list.at(qsizetype(between(0, qsizetype(list.size()) - 1)));
    }

private:
    quint64 m_state;
};

} // namespace qxmxz::db

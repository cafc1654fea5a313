#pragma once

#include <QString>
#include <QVariant>
#include <compare>
#include <cstdint>
#include <optional>

namespace qxmxz {

// Money: a signed 64-bit count of ten-thousandths. Sums and differences are
// exact; conversion from floating point rounds half away from zero at the
// fourth decimal, which is how database values stored as doubles come back.
class Currency {
public:
    static constexpr std::int64_t Scale = 10000;

    constexpr Currency() = default;
    static constexpr Currency fromUnits(std::int64_t tenThousandths) { Currency c; c.m_units = tenThousandths; return c; }
    static constexpr Currency fromInteger(std::int64_t whole) { return fromUnits(whole * Scale); }
    static Currency fromDouble(double value);
    // Accepts "-1234.5", "1234.5678", "+12"; no thousands separators, no exponent.
    static std::optional<Currency> fromText(const QString &text);
    // Null, empty text or an unreadable value give 0. Numbers and numeric text
    // are converted exactly where the database delivered them as text.
    static Currency fromVariant(const QVariant &value);

    constexpr std::int64_t units() const { return m_units; }
    double toDouble() const { return static_cast<double>(m_units) / Scale; }
    // Plain decimal text with as many decimals as needed (at most four): "-12.5".
    QString toString() const;
    // Text with exactly four decimals, for SQL literals and storage: "-12.5000".
    QString toFixedText() const;

    constexpr bool isZero() const { return m_units == 0; }
    constexpr int sign() const { return (m_units > 0) - (m_units < 0); }
    constexpr Currency abs() const { return fromUnits(m_units < 0 ? -m_units : m_units); }

    // This amount × share ÷ whole, rounded half away from zero, computed without
    // overflow: the part of an amount that falls to one share of a whole.
    Currency prorated(Currency share, Currency whole) const;

    constexpr Currency operator-() const { return fromUnits(-m_units); }
    constexpr Currency operator+(Currency o) const { return fromUnits(m_units + o.m_units); }
    constexpr Currency operator-(Currency o) const { return fromUnits(m_units - o.m_units); }
    constexpr Currency operator*(int factor) const { return fromUnits(m_units * factor); }
    constexpr Currency &operator+=(Currency o) { m_units += o.m_units; return *this; }
    constexpr Currency &operator-=(Currency o) { m_units -= o.m_units; return *this; }
    constexpr auto operator<=>(const Currency &) const = default;

private:
    std::int64_t m_units = 0;
};

} // namespace qxmxz

Q_DECLARE_METATYPE(qxmxz::Currency)

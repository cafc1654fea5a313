#include "Currency.h"

#include <cmath>

namespace qxmxz {

Currency Currency::fromDouble(double value)
{
    if (!std::isfinite(value))
        return {};
    const double scaled = value * Scale;
    // Half away from zero at the fourth decimal; the small epsilon absorbs the
    // binary representation error of values such as 0.00005 stored as doubles.
    const double rounded = scaled >= 0 ? std::floor(scaled + 0.5 + 1e-9) : -std::floor(-scaled + 0.5 + 1e-9);
    return fromUnits(static_cast<std::int64_t>(rounded));
}

std::optional<Currency> Currency::fromText(const QString &input)
{
    const QString text = input.trimmed();
    if (text.isEmpty())
        return std::nullopt;
    int i = 0;
    bool negative = false;
    if (text[0] == u'-' || text[0] == u'+') {
        negative = text[0] == u'-';
        ++i;
    }
    std::int64_t whole = 0;
    int wholeDigits = 0;
    for (; i < text.size() && text[i].isDigit(); ++i, ++wholeDigits) {
        if (whole > (INT64_MAX / 10 - 9) / Scale)
            return std::nullopt;
        whole = whole * 10 + text[i].digitValue();
    }
    std::int64_t fraction = 0;
    int fractionDigits = 0;
    bool roundUp = false;
    if (i < text.size() && text[i] == u'.') {
        ++i;
        for (; i < text.size() && text[i].isDigit(); ++i) {
            if (fractionDigits < 4) {
                fraction = fraction * 10 + text[i].digitValue();
                ++fractionDigits;
            } else if (fractionDigits == 4) {
                roundUp = text[i].digitValue() >= 5;
                ++fractionDigits;
            }
        }
    }
    if (i != text.size() || (wholeDigits == 0 && fractionDigits == 0))
        return std::nullopt;
    for (int d = std::min(fractionDigits, 4); d < 4; ++d)
        fraction *= 10;
    std::int64_t units = whole * Scale + fraction + (roundUp ? 1 : 0);
    return fromUnits(negative ? -units : units);
}

Currency Currency::fromVariant(const QVariant &value)
{
    if (!value.isValid() || value.isNull())
        return {};
    if (value.metaType() == QMetaType::fromType<Currency>())
        return value.value<Currency>();
    switch (value.metaType().id()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Char:
    case QMetaType::UChar:
    case QMetaType::Bool:
        return fromInteger(value.toLongLong());
    case QMetaType::Double:
    case QMetaType::Float:
        return fromDouble(value.toDouble());
    default:
        break;
    }
    // Drivers deliver NUMERIC columns as text; read them exactly.
    if (auto parsed = fromText(value.toString()))
        return *parsed;
    bool ok = false;
    const double d = value.toDouble(&ok);
    return ok ? fromDouble(d) : Currency{};
}

Currency Currency::prorated(Currency share, Currency whole) const
{
    if (whole.isZero())
        return {};
    __extension__ typedef __int128 Wide;
    const Wide product = static_cast<Wide>(m_units) * share.m_units;
    const Wide w = whole.m_units;
    Wide q = product / w;
    const Wide r = product % w;
    if (2 * (r < 0 ? -r : r) >= (w < 0 ? -w : w))
        q += ((product < 0) != (w < 0)) ? -1 : 1;
    return fromUnits(static_cast<std::int64_t>(q));
}

QString Currency::toFixedText() const
{
    const std::int64_t magnitude = m_units < 0 ? -m_units : m_units;
    return QStringLiteral("%1%2.%3")
        .arg(m_units < 0 ? QStringLiteral("-") : QString())
        .arg(magnitude / Scale)
        .arg(magnitude % Scale, 4, 10, QLatin1Char('0'));
}

QString Currency::toString() const
{
    QString text = toFixedText();
    while (text.endsWith(u'0'))
        text.chop(1);
    if (text.endsWith(u'.'))
        text.chop(1);
    return text;
}

} // namespace qxmxz

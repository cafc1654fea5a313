#include "CellReading.h"

#include <charconv>
#include <optional>
#include <string>

namespace qxmxz {

namespace {

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool allAsciiDigits(QStringView text)
{
    for (QChar c : text)
        if (!isAsciiDigit(c))
            return false;
    return !text.isEmpty();
}

bool isAscii(QStringView text)
{
    for (QChar c : text)
        if (c.unicode() >= 0x80)
            return false;
    return true;
}

// Cells are read by the hundred thousand when a ledger is written out, so
// they are read by hand rather than by patterns. Only ASCII digits and signs
// make numbers and dates: a cell with any other character is a text.
std::optional<QDate> asciiDate(QStringView t)
{
    auto separator = [](QChar c) { return c == u'-' || c == u'.'; };
    if (t.size() != 10 || !allAsciiDigits(t.first(4)) || !separator(t[4]) || !allAsciiDigits(t.sliced(5, 2))
        || !separator(t[7]) || !allAsciiDigits(t.sliced(8, 2)))
        return std::nullopt;
    return QDate(t.first(4).toInt(), t.sliced(5, 2).toInt(), t.sliced(8, 2).toInt());
}

struct NumberParts {
    bool negative = false;
    QStringView whole;    // as shown, separators included
    QStringView fraction; // empty when there is no decimal point
};

// -1,234.50, 0.00, +12: a sign, then digits, either plain or in groups of
// three after a first group of one to three, then a point and digits.
std::optional<NumberParts> asciiNumber(QStringView t)
{
    NumberParts parts;
    qsizetype i = 0;
    if (t[0] == u'-' || t[0] == u'+') {
        parts.negative = t[0] == u'-';
        ++i;
    }
    const qsizetype wholeStart = i;
    qsizetype group = 0; // digits since the start or the last separator
    bool grouped = false;
    for (; i < t.size(); ++i) {
        if (isAsciiDigit(t[i])) {
            ++group;
        } else if (t[i] == u',') {
            if (group == 0 || group > 3 || (grouped && group != 3))
                return std::nullopt;
            grouped = true;
            group = 0;
        } else {
            break;
        }
    }
    if (group == 0 || (grouped && group != 3))
        return std::nullopt;
    parts.whole = t.sliced(wholeStart, i - wholeStart);
    if (i < t.size()) {
        if (t[i] != u'.')
            return std::nullopt;
        parts.fraction = t.sliced(i + 1);
        if (!allAsciiDigits(parts.fraction))
            return std::nullopt;
    }
    return parts;
}

} // namespace

CellReading readCell(const QString &text, bool decimalRequired)
{
    CellReading reading;
    const QString t = text.trimmed();
    if (t.isEmpty())
        return reading;
    reading.kind = CellReading::Text;
    if (!isAscii(t))
        return reading;
    if (const std::optional<QDate> d = asciiDate(t); d && d->isValid()) {
        reading.kind = CellReading::Date;
        reading.date = *d;
        return reading;
    }
    if (const std::optional<NumberParts> n = asciiNumber(t); n && (!decimalRequired || !n->fraction.isEmpty())) {
        reading.thousands = n->whole.contains(u',');
        // The digits without separators, as the C locale writes them; from_chars
        // rounds as exactly as any decimal reader and asks no locale.
        std::string digits;
        digits.reserve(std::size_t(n->whole.size() + n->fraction.size() + 1));
        for (QChar c : n->whole)
            if (c != u',')
                digits += char(c.unicode());
        if (!n->fraction.isEmpty()) {
            digits += '.';
            for (QChar c : n->fraction)
                digits += char(c.unicode());
        }
        double value = 0;
        const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
        if (error == std::errc() && end == digits.data() + digits.size()) {
            reading.kind = CellReading::Number;
            reading.number = n->negative ? -value : value;
            reading.decimals = int(n->fraction.size());
        }
    }
    return reading;
}

} // namespace qxmxz

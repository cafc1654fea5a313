#include "NumberPattern.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "platform/Failure.h"

namespace qxmxz {

namespace {

// Exponents beyond this are no amounts, quantities or rates; refusing them
// keeps a stray "1e999999" from building an enormous digit string.
constexpr int LargestExponent = 400;

QString withoutLeadingZeros(const QString &digits)
{
    qsizetype first = 0;
    while (first < digits.size() && digits[first] == u'0')
        ++first;
    return digits.mid(first);
}

struct ParsedPattern {
    int minimumWholeDigits = 0;
    bool grouping = false;
    bool point = false;
    int decimals = 0;
    int requiredDecimals = 0;
};

ParsedPattern parsePattern(const QString &pattern)
{
    ParsedPattern p;
    for (QChar c : pattern) {
        if (!p.point) {
            if (c == u'0')
                ++p.minimumWholeDigits;
            else if (c == u',')
                p.grouping = true;
            else if (c == u'.')
                p.point = true;
            else if (c != u'#')
                throw Failure(QStringLiteral("Unsupported number pattern \"%1\"").arg(pattern));
        } else if (c == u'0') {
            p.requiredDecimals = ++p.decimals;
        } else if (c == u'#') {
            ++p.decimals;
        } else {
            throw Failure(QStringLiteral("Unsupported number pattern \"%1\"").arg(pattern));
        }
    }
    return p;
}

// Adds one at the last digit; returns the digits with the carry applied.
QString incremented(QString digits)
{
    for (qsizetype i = digits.size() - 1; i >= 0; --i) {
        if (digits[i] == u'9') {
            digits[i] = u'0';
        } else {
            digits[i] = QChar(digits[i].unicode() + 1);
            return digits;
        }
    }
    return QLatin1Char('1') + digits;
}

QString grouped(const QString &whole)
{
    QString out;
    const qsizetype n = whole.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            out += u',';
        out += whole[i];
    }
    return out;
}

} // namespace

DecimalDigits DecimalDigits::of(Currency value)
{
    const std::int64_t units = value.units();
    const std::uint64_t magnitude = units < 0 ? std::uint64_t(0) - std::uint64_t(units) : std::uint64_t(units);
    DecimalDigits d;
    d.negative = units < 0;
    d.integerDigits = withoutLeadingZeros(QString::number(magnitude / Currency::Scale));
    d.fractionDigits = QStringLiteral("%1").arg(magnitude % Currency::Scale, 4, 10, QLatin1Char('0'));
    return d;
}

std::optional<DecimalDigits> DecimalDigits::of(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    if (result.ec != std::errc())
        return std::nullopt;
    return parse(QString::fromLatin1(buffer, result.ptr - buffer));
}

std::optional<DecimalDigits> DecimalDigits::parse(const QString &input)
{
    const QString text = input.trimmed();
    qsizetype i = 0;
    DecimalDigits d;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) {
        d.negative = text[i] == u'-';
        ++i;
    }
    QString whole, fraction;
    for (; i < text.size() && text[i].isDigit() && text[i].unicode() < 128; ++i)
        whole += text[i];
    if (i < text.size() && text[i] == u'.') {
        for (++i; i < text.size() && text[i].isDigit() && text[i].unicode() < 128; ++i)
            fraction += text[i];
    }
    if (whole.isEmpty() && fraction.isEmpty())
        return std::nullopt;
    int exponent = 0;
    if (i < text.size() && (text[i] == u'e' || text[i] == u'E')) {
        ++i;
        bool negativeExponent = false;
        if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) {
            negativeExponent = text[i] == u'-';
            ++i;
        }
        const qsizetype start = i;
        for (; i < text.size() && text[i].isDigit() && text[i].unicode() < 128; ++i) {
            exponent = exponent * 10 + text[i].digitValue();
            if (exponent > LargestExponent)
                return std::nullopt;
        }
        if (i == start)
            return std::nullopt;
        if (negativeExponent)
            exponent = -exponent;
    }
    if (i != text.size())
        return std::nullopt;

    QString digits = whole + fraction;
    qsizetype pointAt = whole.size() + exponent;
    if (pointAt < 0) {
        digits.prepend(QString(-pointAt, u'0'));
        pointAt = 0;
    } else if (pointAt > digits.size()) {
        digits.append(QString(pointAt - digits.size(), u'0'));
    }
    d.integerDigits = withoutLeadingZeros(digits.left(pointAt));
    d.fractionDigits = digits.mid(pointAt);
    return d;
}

bool DecimalDigits::isZero() const
{
    for (QChar c : integerDigits)
        if (c != u'0')
            return false;
    for (QChar c : fractionDigits)
        if (c != u'0')
            return false;
    return true;
}

QString DecimalDigits::toText() const
{
    QString text = negative && !isZero() ? QStringLiteral("-") : QString();
    text += integerDigits.isEmpty() ? QStringLiteral("0") : integerDigits;
    if (!fractionDigits.isEmpty())
        text += QLatin1Char('.') + fractionDigits;
    return text;
}

QString formatNumber(const DecimalDigits &value, const QString &pattern)
{
    const ParsedPattern p = parsePattern(pattern);

    QString digits = value.integerDigits + value.fractionDigits.left(p.decimals);
    if (value.fractionDigits.size() < p.decimals)
        digits += QString(p.decimals - value.fractionDigits.size(), u'0');
    if (value.fractionDigits.size() > p.decimals && value.fractionDigits[p.decimals] >= u'5')
        digits = incremented(digits);

    QString whole = withoutLeadingZeros(digits.left(digits.size() - p.decimals));
    QString fraction = digits.right(p.decimals);
    const bool zero = whole.isEmpty() && withoutLeadingZeros(fraction).isEmpty();
    while (fraction.size() > p.requiredDecimals && fraction.endsWith(u'0'))
        fraction.chop(1);
    if (whole.size() < p.minimumWholeDigits)
        whole.prepend(QString(p.minimumWholeDigits - whole.size(), u'0'));
    if (p.grouping)
        whole = grouped(whole);

    QString out;
    if (value.negative && !zero)
        out += u'-';
    out += whole;
    if (p.point)
        out += u'.' + fraction;
    return out;
}

QString formatNumber(Currency value, const QString &pattern)
{
    return formatNumber(DecimalDigits::of(value), pattern);
}

QString formatNumber(double value, const QString &pattern)
{
    const std::optional<DecimalDigits> digits = DecimalDigits::of(value);
    return digits ? formatNumber(*digits, pattern) : QString();
}

QString formatNumber(qint64 value, const QString &pattern)
{
    // Periods, days and voucher numbers ("00", "0000") are written for every
    // row of a ledger; for a whole number the zeros only pad its digits.
    const auto onlyZeros = [](QChar c) { return c == u'0'; };
    if (value >= 0 && !pattern.isEmpty() && std::all_of(pattern.cbegin(), pattern.cend(), onlyZeros)) {
        // Written into one string, right to left, over the padding zeros.
        qsizetype digits = 1;
        for (qint64 rest = value / 10; rest > 0; rest /= 10)
            ++digits;
        QString text(std::max(digits, pattern.size()), u'0');
        QChar *at = text.data() + text.size();
        do {
            *--at = QChar(u'0' + int(value % 10));
            value /= 10;
        } while (value > 0);
        return text;
    }
    return formatNumber(*DecimalDigits::parse(QString::number(value)), pattern);
}

QString formatNumber(int value, const QString &pattern)
{
    return formatNumber(qint64(value), pattern);
}

QString formatDate(const QDate &date, const QString &pattern)
{
    if (!date.isValid())
        return {};
    int year = 0, month = 0, day = 0;
    date.getDate(&year, &month, &day);
    const QStringView written(pattern);
    QString out;
    out.reserve(pattern.size() + 2);
    qsizetype i = 0;
    const auto startsWith = [&](QLatin1String token) {
        return written.mid(i, token.size()).compare(token, Qt::CaseInsensitive) == 0;
    };
    const auto padded = [&out](int n, int width) { out += QString::number(n).rightJustified(width, u'0'); };
    while (i < pattern.size()) {
        if (startsWith(QLatin1String("yyyy"))) {
            padded(year, 4);
            i += 4;
        } else if (startsWith(QLatin1String("yy"))) {
            padded(year % 100, 2);
            i += 2;
        } else if (startsWith(QLatin1String("mm"))) {
            padded(month, 2);
            i += 2;
        } else if (startsWith(QLatin1String("m"))) {
            out += QString::number(month);
            i += 1;
        } else if (startsWith(QLatin1String("dd"))) {
            padded(day, 2);
            i += 2;
        } else if (startsWith(QLatin1String("d"))) {
            out += QString::number(day);
            i += 1;
        } else {
            out += pattern[i];
            ++i;
        }
    }
    return out;
}

} // namespace qxmxz

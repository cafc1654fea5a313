#include "AmountFormats.h"

#include <QDate>
#include <QDateTime>
#include <algorithm>
#include <cmath>

#include "NumberPattern.h"
#include "platform/Failure.h"
#include "platform/outside/GlPublic.h"

namespace qxmxz {

namespace {

bool isNullValue(const QVariant &value)
{
    return !value.isValid() || value.isNull();
}

bool isEmptyText(const QVariant &value)
{
    return !isNullValue(value) && value.metaType().id() == QMetaType::QString && value.toString().isEmpty();
}

// The digits of a variant number, exactly as the caller holds it: a Currency
// by its ten-thousandths, numeric text as written, a double by its shortest
// text. Nothing for text that is not a plain number.
std::optional<DecimalDigits> digitsOf(const QVariant &value)
{
    if (isNullValue(value))
        return std::nullopt;
    if (value.metaType() == QMetaType::fromType<Currency>())
        return DecimalDigits::of(value.value<Currency>());
    switch (value.metaType().id()) {
    case QMetaType::Double:
    case QMetaType::Float:
        return DecimalDigits::of(value.toDouble());
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::Short:
    case QMetaType::Char:
    case QMetaType::SChar:
        return DecimalDigits::parse(QString::number(value.toLongLong()));
    case QMetaType::UInt:
    case QMetaType::ULongLong:
    case QMetaType::UShort:
    case QMetaType::UChar:
        return DecimalDigits::parse(QString::number(value.toULongLong()));
    case QMetaType::Bool:
        return std::nullopt;
    default:
        return DecimalDigits::parse(value.toString());
    }
}

QString amountText(const DecimalDigits &digits)
{
    // "0,0.00" would write a leading zero below 10 ("05.00"), hence the second pattern.
    return formatNumber(digits, digits.integerDigits.size() >= 2 ? QStringLiteral("0,0.00") : QStringLiteral("0.00"));
}

QString zeroText(bool blankZero)
{
    return blankZero ? QString() : QStringLiteral("0");
}

} // namespace

QString decimalPlacesPattern(int decimals)
{
    return QStringLiteral("0.") + QString(std::clamp(decimals, 0, 255), u'0');
}

QString FormatAmt(const QVariant &value, bool blankZero)
{
    if (value.metaType() == QMetaType::fromType<Currency>())
        return FormatAmt(value.value<Currency>(), blankZero);
    if (isEmptyText(value))
        return {};
    if (isNullValue(value))
        return zeroText(blankZero);
    const std::optional<DecimalDigits> digits = digitsOf(value);
    if (!digits)
        return {};
    if (digits->isZero())
        return zeroText(blankZero);
    return amountText(*digits);
}

QString FormatAmt(Currency value, bool blankZero)
{
    // The same result as the pattern formatter, computed on the integer: the
    // ledgers format several amounts on every row.
    if (value.isZero())
        return blankZero ? QString() : QStringLiteral("0");
    const std::int64_t units = value.units();
    const std::uint64_t magnitude = units < 0 ? std::uint64_t(-(units + 1)) + 1 : std::uint64_t(units);
    const bool grouped = magnitude >= std::uint64_t(10 * Currency::Scale); // "0,0.00" from 10 on, "0.00" below
    const std::uint64_t cents = (magnitude + 50) / 100;                    // half away from zero
    char buffer[40];
    int at = sizeof buffer;
    const std::uint64_t fraction = cents % 100;
    buffer[--at] = char('0' + fraction % 10);
    buffer[--at] = char('0' + fraction / 10);
    buffer[--at] = '.';
    std::uint64_t whole = cents / 100;
    int digits = 0;
    do {
        if (grouped && digits > 0 && digits % 3 == 0)
            buffer[--at] = ',';
        buffer[--at] = char('0' + whole % 10);
        whole /= 10;
        ++digits;
    } while (whole > 0);
    if (units < 0 && cents > 0)
        buffer[--at] = '-';
    return QString::fromLatin1(buffer + at, int(sizeof buffer) - at);
}

QString FormatAmtText(const QString &text)
{
    if (text.contains(u','))
        return {};
    const std::optional<DecimalDigits> digits = DecimalDigits::parse(text);
    return digits ? amountText(*digits) : QString();
}

QString FormatCy(Currency value, bool thousands)
{
    if (value.isZero())
        return {};
    return formatNumber(value, thousands ? QStringLiteral("##,##0.00") : QStringLiteral("0.00"));
}

QString FormatQty(const GlPublic &pub, const QVariant &value, bool blankZero)
{
    if (isEmptyText(value))
        return {};
    if (isNullValue(value))
        return zeroText(blankZero);
    // Most lines carry no quantity: a zero double needs no digits.
    const int type = value.metaType().id();
    if ((type == QMetaType::Double || type == QMetaType::Float) && value.toDouble() == 0)
        return zeroText(blankZero);
    const std::optional<DecimalDigits> digits = digitsOf(value);
    if (!digits)
        return {};
    if (digits->isZero())
        return zeroText(blankZero);
    const QString text = formatNumber(*digits, decimalPlacesPattern(pub.options().quantityDecimals));
    const std::optional<DecimalDigits> readBack = DecimalDigits::parse(text);
    return readBack && readBack->isZero() ? QString() : text;
}

QString FormatPrice(const GlPublic &pub, double quantity, Currency amount)
{
    if (quantity == 0 || amount.isZero())
        return {};
    return formatNumber(std::fabs(amount.toDouble() / quantity), decimalPlacesPattern(pub.options().priceDecimals));
}

QString FormatRate(double rate, const CurrencyRecord &currency)
{
    if (rate == 0)
        return {};
    return formatNumber(rate, decimalPlacesPattern(currency.rateDecimals));
}

QString CalcRate(Currency foreign, Currency amount, const CurrencyRecord &currency)
{
    if (currency.name.isEmpty() || foreign.isZero() || amount.isZero())
        return {};
    const double a = double(amount.units());
    const double f = double(foreign.units());
    return FormatRate(std::fabs(currency.multiply ? a / f : f / a), currency);
}

QString QtyFormat(int decimals, std::optional<QVariant> separators)
{
    QString pattern = separators ? QStringLiteral("##,##0") : QStringLiteral("##0");
    if (decimals > 0)
        pattern += QStringLiteral(".0") + QString(decimals - 1, u'0');
    return pattern;
}

int SignOf(const QVariant &value)
{
    const std::optional<DecimalDigits> digits = digitsOf(value);
    return digits && digits->negative && !digits->isZero() ? -1 : 1;
}

int SignOf(Currency value)
{
    return value.sign() < 0 ? -1 : 1;
}

QString SqlDate(const GlPublic &pub, const QVariant &value)
{
    QDate date;
    if (value.metaType().id() == QMetaType::QDate)
        date = value.toDate();
    else if (value.metaType().id() == QMetaType::QDateTime)
        date = value.toDateTime().date();
    else if (!isNullValue(value))
        date = pub.dateOfText(value.toString()).value_or(QDate());
    if (!date.isValid())
        throw Failure(QStringLiteral("Not a date: \"%1\"").arg(value.toString()));
    return QStringLiteral("N'") + formatDate(date, QStringLiteral("m-d-yyyy")) + QLatin1Char('\'');
}

} // namespace qxmxz

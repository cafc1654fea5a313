// Amounts, quantities, prices, rates and dates as display text, with the
// inputs a ledger meets (Null, empty text, numbers, numeric text, money), and
// the one pattern formatter behind them.

#include "totals/AmountFormats.h"
#include "totals/NumberPattern.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/Failure.h"
#include "platform/outside/GlPublic.h"
#include "support/Printers.h"

namespace qxmxz {
namespace {

Currency cy(const char *text)
{
    return *Currency::fromText(QString::fromLatin1(text));
}

QVariant text(const char *text)
{
    return QVariant(QString::fromUtf8(text));
}

struct FormatCase {
    QVariant value;
    bool blankZero;
    const char *expected;
};

TEST(FormatAmt, EveryKindOfInput)
{
    // A Null column value as the database delivers it: typed but null.
    const QVariant nullDouble(QMetaType::fromType<double>());
    const FormatCase cases[] = {
        {0, true, ""}, {0, false, "0"}, {QVariant::fromValue(Currency()), false, "0"}, {text("0.00"), true, ""},
        {text("0.00"), false, "0"}, {QVariant(), true, ""}, {QVariant(), false, "0"}, {nullDouble, true, ""},
        {nullDouble, false, "0"}, {text(""), false, ""},
        // "0.00" below 10 and "0,0.00" from 10, chosen before rounding.
        {9.994, true, "9.99"}, {9.999, true, "10.00"}, {-9.999, true, "-10.00"}, {text("-9.995"), true, "-10.00"},
        {10, true, "10.00"}, {-10, true, "-10.00"}, {-5, true, "-5.00"}, {0.5, true, "0.50"},
        {1234567.891, true, "1,234,567.89"}, {QVariant::fromValue(cy("-1234567.895")), true, "-1,234,567.90"},
        {QVariant::fromValue(cy("999999.999")), true, "1,000,000.00"}, {qint64(123456789), true, "123,456,789.00"},
        {text("12345.6"), true, "12,345.60"}, {text(" 2.675 "), true, "2.68"}, {text("1e3"), true, "1,000.00"},
        // Doubles round half away from zero on their shortest text (2.675 is stored as 2.67499999…).
        {2.675, true, "2.68"}, {-2.675, true, "-2.68"}, {1.005, true, "1.01"}, {-0.004, true, "0.00"},
        // Text that is no plain number.
        {text("abc"), true, ""}, {text("1,234.00"), true, ""}, {text("1.2.3"), true, ""}, {text("."), true, ""},
        {text("1e"), true, ""}, {text("1e999999"), true, ""}, {text("١٢"), true, ""},
    };
    for (const FormatCase &c : cases)
        EXPECT_EQ(FormatAmt(c.value, c.blankZero), QString::fromUtf8(c.expected))
            << c.value.toString().toStdString() << " blankZero " << c.blankZero;
}

TEST(FormatAmt, MoneyReadsAsItsAmountText)
{
    // Money takes an integer path of its own: it must agree with the text of the same value.
    QList<qint64> units{1, -1, 49, 50, -50, 99949, 99950, 99999, 100000, -99995, 123456789012345LL, 994999, 995000};
    for (quint64 i = 1, seed = 12345; i < 2000; ++i) {
        seed = seed * 6364136223846793005ULL + 1442695040888963407ULL;
        units << qint64((seed >> 11) % 20000000000000ULL) * ((i % 3) ? 1 : -1) / qint64(1 + (seed >> 40) % 100000);
    }
    for (qint64 u : units)
        EXPECT_EQ(FormatAmt(Currency::fromUnits(u)), FormatAmtText(Currency::fromUnits(u).toString())) << u;
    EXPECT_EQ(FormatAmt(Currency()), QString());
    EXPECT_EQ(FormatAmt(Currency(), false), QStringLiteral("0"));
}

TEST(NumberPattern, PadsGroupsDropsTheSignOfZeroAndRefusesOtherCharacters)
{
    // Each "0" placeholder of the whole part shows a digit.
    EXPECT_EQ(formatNumber(cy("5"), QStringLiteral("0,0.00")), QStringLiteral("05.00"));
    EXPECT_EQ(formatNumber(qint64(9000000000LL), QStringLiteral("0000")), QStringLiteral("9000000000"));
    EXPECT_EQ(formatNumber(cy("-0.0049"), QStringLiteral("##,##0.00")), QStringLiteral("0.00"));
    EXPECT_EQ(formatNumber(cy("-0.005"), QStringLiteral("0.00")), QStringLiteral("-0.01"));
    EXPECT_EQ(formatNumber(Currency::fromUnits(std::numeric_limits<std::int64_t>::min()), QStringLiteral("0.00")),
              QStringLiteral("-922337203685477.58"));
    EXPECT_EQ(formatNumber(1e20, QStringLiteral("##,##0")), QStringLiteral("100,000,000,000,000,000,000"));
    EXPECT_EQ(formatNumber(1234.56, QStringLiteral("##0.0")), QStringLiteral("1234.6"));
    EXPECT_EQ(formatNumber(std::nan(""), QStringLiteral("0.00")), QString());
    EXPECT_EQ(formatNumber(std::numeric_limits<double>::infinity(), QStringLiteral("0.00")), QString());
    EXPECT_THROW(formatNumber(1.0, QStringLiteral("0.00%")), Failure);
    EXPECT_THROW(formatNumber(1.0, QStringLiteral("$0.00")), Failure);
}

TEST(NumberPattern, WholeNumbersPaddedWithZerosReadAsThroughTheDigitFormatter)
{
    for (const char *pattern : {"0", "00", "0000", "0.00", "#,##0"})
        for (const qint64 value : {qint64(0), qint64(7), qint64(10), qint64(31), qint64(100), qint64(1234), qint64(-5),
                                    qint64(9000000000LL), std::numeric_limits<qint64>::max()}) {
            const QString p = QString::fromLatin1(pattern);
            EXPECT_EQ(formatNumber(value, p), formatNumber(*DecimalDigits::parse(QString::number(value)), p))
                << pattern << " " << value;
        }
    EXPECT_EQ(formatNumber(7, QStringLiteral("00")), QStringLiteral("07"));
    EXPECT_EQ(formatNumber(-7, QStringLiteral("00")), QStringLiteral("-07"));
}

TEST(FormatCy, ForeignAmountsWithAndWithoutThousands)
{
    EXPECT_EQ(FormatCy(Currency(), true), QString());
    EXPECT_EQ(FormatCy(cy("1234.5"), true), QStringLiteral("1,234.50"));
    EXPECT_EQ(FormatCy(cy("9.999"), false), QStringLiteral("10.00"));
}

// A general-ledger object without an account set has 2 quantity and 2 price decimals.
TEST(FormatQty, TheQuantityDecimalsAndWhatRoundsAway)
{
    GlPublic pub;
    const FormatCase cases[] = {
        {-1.5, true, "-1.50"}, {0.005, true, "0.01"}, {text("2.675"), true, "2.68"}, {1234.5, true, "1234.50"},
        {0, true, ""}, {0, false, "0"}, {QVariant(), false, "0"}, {text(""), false, ""}, {text("abc"), true, ""},
        {0.0, true, ""}, {0.0, false, "0"}, {-0.0, false, "0"}, {std::nan(""), false, ""},
        // Rounds to zero: empty whatever blankZero says.
        {0.001, false, ""}, {-0.004, false, ""},
    };
    for (const FormatCase &c : cases)
        EXPECT_EQ(FormatQty(pub, c.value, c.blankZero), QString::fromUtf8(c.expected))
            << c.value.toString().toStdString() << " blankZero " << c.blankZero;
}

TEST(FormatPrice, PricesAndRates)
{
    GlPublic pub;
    EXPECT_EQ(FormatPrice(pub, -3, cy("20")), QStringLiteral("6.67"));
    EXPECT_EQ(FormatPrice(pub, 0, cy("10")), QString());
    EXPECT_EQ(FormatPrice(pub, 4, Currency()), QString());

    const CurrencyRecord multiplied{.exists = true, .name = QStringLiteral("美元")};
    const CurrencyRecord divided{.exists = true, .name = QStringLiteral("美元"), .multiply = false, .rateDecimals = 0};
    EXPECT_EQ(FormatRate(6.12345, multiplied), QStringLiteral("6.1235"));
    EXPECT_EQ(FormatRate(0, multiplied), QString());
    EXPECT_EQ(CalcRate(cy("100"), cy("-650"), multiplied), QStringLiteral("6.5000"));
    EXPECT_EQ(CalcRate(cy("100"), cy("10"), divided), QStringLiteral("10.")) << "no decimals keep the point";
    EXPECT_EQ(CalcRate(cy("100"), cy("650"), CurrencyRecord()), QString()) << "the home currency has no rate";
    EXPECT_EQ(CalcRate(Currency(), cy("650"), multiplied), QString());
}

TEST(QtyFormat, OnlyThePresenceOfTheSeparatorArgumentCounts)
{
    EXPECT_EQ(QtyFormat(3), QStringLiteral("##0.000"));
    EXPECT_EQ(QtyFormat(3, false), QStringLiteral("##,##0.000"));
    EXPECT_EQ(QtyFormat(0), QStringLiteral("##0"));
    EXPECT_EQ(QtyFormat(0, QVariant()), QStringLiteral("##,##0"));
}

TEST(SignOf, MinusOneOnlyBelowZero)
{
    for (const QVariant &value : {QVariant(), QVariant(-0.0), text("abc"), QVariant::fromValue(cy("3"))})
        EXPECT_EQ(SignOf(value), 1) << value.toString().toStdString();
    for (const QVariant &value : {text("-5"), QVariant(-0.0001), QVariant::fromValue(cy("-0.0001"))})
        EXPECT_EQ(SignOf(value), -1) << value.toString().toStdString();
}

TEST(SqlDate, DatesAsLiteralsAndTheLedgerDateForms)
{
    GlPublic pub;
    EXPECT_EQ(SqlDate(pub, QDate(2024, 3, 5)), QStringLiteral("N'3-5-2024'"));
    EXPECT_EQ(SqlDate(pub, QStringLiteral("2024.12.25")), QStringLiteral("N'12-25-2024'"));
    EXPECT_EQ(SqlDate(pub, QStringLiteral("20241001")), QStringLiteral("N'10-1-2024'"));
    for (const QVariant &value : {QVariant(QStringLiteral("2024-02-30")), QVariant(QStringLiteral("x")), QVariant()})
        EXPECT_THROW(SqlDate(pub, value), Failure) << value.toString().toStdString();
    EXPECT_EQ(formatDate(QDate(2009, 3, 5), QStringLiteral("yy/mm-dd")), QStringLiteral("09/03-05"));
    EXPECT_EQ(formatDate(QDate(987, 11, 25), QStringLiteral("YYYY.MM.DD")), QStringLiteral("0987.11.25"));
    EXPECT_EQ(formatDate(QDate(2026, 1, 9), QStringLiteral("m/d yyyy")), QStringLiteral("1/9 2026"));
    EXPECT_EQ(formatDate(QDate(), QStringLiteral("yyyy-mm-dd")), QString());
}

} // namespace
} // namespace qxmxz

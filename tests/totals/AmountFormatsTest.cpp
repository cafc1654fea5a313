// Amounts, quantities, prices, rates and dates as display text, with the
// inputs a ledger meets (Null, empty text, numbers, numeric text, money), and
// the one pattern formatter behind them: exact rounding of money, rounding of
// doubles on their shortest decimal text, grouping and padding.

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

QVariant money(const char *text)
{
    return QVariant::fromValue(cy(text));
}

QVariant text(const char *text)
{
    return QVariant(QString::fromUtf8(text));
}

CurrencyRecord dollar(bool multiply, int rateDecimals)
{
    CurrencyRecord c;
    c.exists = true;
    c.name = QStringLiteral("美元");
    c.multiply = multiply;
    c.rateDecimals = rateDecimals;
    return c;
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
        {0, true, ""}, {0, false, "0"}, {money("0"), false, "0"}, {text("0.00"), true, ""}, {text("0.00"), false, "0"},
        {QVariant(), true, ""}, {QVariant(), false, "0"}, {nullDouble, true, ""}, {nullDouble, false, "0"},
        {text(""), false, ""},
        // "0.00" below 10 and "0,0.00" from 10, chosen before rounding.
        {9.994, true, "9.99"}, {9.999, true, "10.00"}, {-9.999, true, "-10.00"}, {text("-9.995"), true, "-10.00"},
        {10, true, "10.00"}, {-10, true, "-10.00"}, {5, true, "5.00"}, {-5, true, "-5.00"}, {0.5, true, "0.50"},
        {1234567.891, true, "1,234,567.89"}, {money("-1234567.8950"), true, "-1,234,567.90"},
        {qint64(123456789), true, "123,456,789.00"}, {text("12345.6"), true, "12,345.60"},
        {text(" 2.675 "), true, "2.68"}, {text("1e3"), true, "1,000.00"},
        // Text that is no plain number.
        {text("abc"), true, ""}, {text("1,234.00"), true, ""}, {text("1.2.3"), true, ""},
        {text("."), true, ""}, {text("1e"), true, ""}, {text("1e999999"), true, ""}, {text("١٢"), true, ""},
    };
    for (const FormatCase &c : cases)
        EXPECT_EQ(FormatAmt(c.value, c.blankZero), QString::fromUtf8(c.expected))
            << c.value.toString().toStdString() << " blankZero " << c.blankZero;
}

TEST(FormatAmt, MoneyReadsAsItsAmountText)
{
    // Money takes an integer path of its own: it must agree with the text of the same value.
    std::uint64_t seed = 12345;
    auto next = [&seed] {
        seed = seed * 6364136223846793005ULL + 1442695040888963407ULL;
        return seed >> 11;
    };
    QList<qint64> units{1, -1, 49, 50, -50, 99949, 99950, 99999, 100000, -99995, 123456789012345LL, 994999, 995000};
    for (int i = 0; i < 2000; ++i)
        units << qint64(next() % 20000000000000ULL) * ((i % 3) ? 1 : -1) / qint64(1 + next() % 100000);
    for (qint64 u : units) {
        const Currency value = Currency::fromUnits(u);
        EXPECT_EQ(FormatAmt(value), FormatAmtText(value.toString())) << u;
    }
    EXPECT_EQ(FormatAmt(Currency()), QString());
    EXPECT_EQ(FormatAmt(Currency(), false), QStringLiteral("0"));
}

TEST(NumberPattern, MoneyRoundsExactlyAndGroupsTheWholePart)
{
    const struct {
        const char *value, *pattern, *expected;
    } cases[] = {
        {"-12.5", "0,0.00", "-12.50"}, {"999999.999", "0,0.00", "1,000,000.00"},
        // Two "0" placeholders in the whole part: below 10 a leading zero shows.
        {"5", "0,0.00", "05.00"}, {"2.675", "0.00", "2.68"}, {"0.0050", "0.00", "0.01"}, {"-0.0050", "0.00", "-0.01"},
        // A value rounding to zero carries no sign.
        {"-0.0049", "##,##0.00", "0.00"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(formatNumber(cy(c.value), QString::fromLatin1(c.pattern)), QString::fromLatin1(c.expected))
            << c.value << " as " << c.pattern;
    EXPECT_EQ(formatNumber(Currency::fromUnits(std::numeric_limits<std::int64_t>::min()), QStringLiteral("0.00")),
              QStringLiteral("-922337203685477.58"));
}

TEST(NumberPattern, DoublesRoundHalfAwayFromZeroOnTheirShortestText)
{
    const struct {
        double value;
        const char *pattern, *expected;
    } cases[] = {
        // 2.675 is stored as 2.67499999…; the shortest text reads 2.675 and rounds up.
        {2.675, "0.00", "2.68"}, {-2.675, "0.00", "-2.68"}, {1.005, "0.00", "1.01"}, {0.0049, "0.00", "0.00"},
        {-0.004, "0.00", "0.00"}, {-0.0, "0.00", "0.00"}, {1e-7, "0.00", "0.00"},
        // Decimal-place patterns keep the point without decimals.
        {12.0, "0.", "12."}, {12.5, "0.", "13."}, {0.4, "0.", "0."}, {1.0005, "0.000", "1.001"},
        // Quantity patterns group only when asked.
        {1234.56, "##0.0", "1234.6"}, {1234.56, "##,##0.0", "1,234.6"}, {0.25, "##0.000", "0.250"},
        {0.0, "##0", "0"}, {12.5, "##0", "13"}, {1e20, "##,##0", "100,000,000,000,000,000,000"},
        {std::nan(""), "0.00", ""}, {std::numeric_limits<double>::infinity(), "0.00", ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(formatNumber(c.value, QString::fromLatin1(c.pattern)), QString::fromLatin1(c.expected))
            << c.value << " as " << c.pattern;
    EXPECT_EQ(formatNumber(7, QStringLiteral("00")), QStringLiteral("07"));
    EXPECT_EQ(formatNumber(7, QStringLiteral("0000")), QStringLiteral("0007"));
    EXPECT_EQ(formatNumber(qint64(9000000000LL), QStringLiteral("0000")), QStringLiteral("9000000000"));
    EXPECT_THROW(formatNumber(1.0, QStringLiteral("0.00%")), Failure);
    EXPECT_THROW(formatNumber(1.0, QStringLiteral("$0.00")), Failure);
}

TEST(FormatCy, ForeignAmountsWithAndWithoutThousands)
{
    EXPECT_EQ(FormatCy(Currency(), true), QString());
    EXPECT_EQ(FormatCy(cy("1234.5"), true), QStringLiteral("1,234.50"));
    EXPECT_EQ(FormatCy(cy("1234.5"), false), QStringLiteral("1234.50"));
    EXPECT_EQ(FormatCy(cy("0.5"), true), QStringLiteral("0.50"));
    EXPECT_EQ(FormatCy(cy("-0.005"), true), QStringLiteral("-0.01"));
    EXPECT_EQ(FormatCy(cy("9.999"), false), QStringLiteral("10.00"));
}

// A general-ledger object without an account set has 2 quantity and 2 price decimals.
TEST(FormatQty, TheQuantityDecimalsAndWhatRoundsAway)
{
    GlPublic pub;
    const FormatCase cases[] = {
        {3, true, "3.00"}, {-1.5, true, "-1.50"}, {0.005, true, "0.01"}, {text("2.675"), true, "2.68"},
        {1234.5, true, "1234.50"}, {0, true, ""}, {0, false, "0"}, {QVariant(), false, "0"}, {text(""), false, ""},
        // Rounds to zero: empty whatever blankZero says.
        {0.001, false, ""}, {-0.004, false, ""}, {text("abc"), true, ""},
    };
    for (const FormatCase &c : cases)
        EXPECT_EQ(FormatQty(pub, c.value, c.blankZero), QString::fromUtf8(c.expected))
            << c.value.toString().toStdString() << " blankZero " << c.blankZero;
}

TEST(FormatPrice, PricesAndRates)
{
    GlPublic pub;
    EXPECT_EQ(FormatPrice(pub, -4, cy("10")), QStringLiteral("2.50"));
    EXPECT_EQ(FormatPrice(pub, 3, cy("-20")), QStringLiteral("6.67"));
    EXPECT_EQ(FormatPrice(pub, 0, cy("10")), QString());
    EXPECT_EQ(FormatPrice(pub, 4, Currency()), QString());

    EXPECT_EQ(FormatRate(0, dollar(true, 4)), QString());
    EXPECT_EQ(FormatRate(6.12345, dollar(true, 4)), QStringLiteral("6.1235"));
    EXPECT_EQ(FormatRate(6.5, dollar(true, 0)), QStringLiteral("7."));

    EXPECT_EQ(CalcRate(cy("100"), cy("650"), dollar(true, 2)), QStringLiteral("6.50"));
    EXPECT_EQ(CalcRate(cy("100"), cy("650"), dollar(false, 2)), QStringLiteral("0.15"));
    EXPECT_EQ(CalcRate(cy("100"), cy("-650"), dollar(true, 4)), QStringLiteral("6.5000"));
    EXPECT_EQ(CalcRate(cy("100"), cy("650"), CurrencyRecord()), QString()) << "the home currency has no rate";
    EXPECT_EQ(CalcRate(Currency(), cy("650"), dollar(true, 2)), QString());
    EXPECT_EQ(CalcRate(cy("100"), Currency(), dollar(true, 2)), QString());
}

TEST(QtyFormat, OnlyThePresenceOfTheSeparatorArgumentCounts)
{
    EXPECT_EQ(QtyFormat(3), QStringLiteral("##0.000"));
    EXPECT_EQ(QtyFormat(3, false), QStringLiteral("##,##0.000"));
    EXPECT_EQ(QtyFormat(3, QVariant()), QStringLiteral("##,##0.000"));
    EXPECT_EQ(QtyFormat(0), QStringLiteral("##0"));
    EXPECT_EQ(QtyFormat(0, 1), QStringLiteral("##,##0"));
    EXPECT_EQ(decimalPlacesPattern(0), QStringLiteral("0."));
    EXPECT_EQ(decimalPlacesPattern(-1), QStringLiteral("0.")) << "the count is an unsigned byte";
    EXPECT_EQ(decimalPlacesPattern(3), QStringLiteral("0.000"));
}

TEST(SignOf, MinusOneOnlyBelowZero)
{
    for (const QVariant &value : {QVariant(), QVariant(QMetaType::fromType<double>()), QVariant(0), QVariant(-0.0),
                                  text("abc"), money("3")})
        EXPECT_EQ(SignOf(value), 1) << value.toString().toStdString();
    for (const QVariant &value : {QVariant(-0.0001), text("-5"), money("-0.0001")})
        EXPECT_EQ(SignOf(value), -1) << value.toString().toStdString();
    EXPECT_EQ(SignOf(Currency()), 1);
    EXPECT_EQ(SignOf(cy("-120")), -1);
}

TEST(SqlDate, DatesAsLiteralsAndTheLedgerDateForms)
{
    GlPublic pub;
    EXPECT_EQ(SqlDate(pub, QDate(2024, 3, 5)), QStringLiteral("N'3-5-2024'"));
    EXPECT_EQ(SqlDate(pub, QStringLiteral("2024.12.25")), QStringLiteral("N'12-25-2024'"));
    EXPECT_EQ(SqlDate(pub, QStringLiteral("20241001")), QStringLiteral("N'10-1-2024'"));
    EXPECT_THROW(SqlDate(pub, QStringLiteral("not a date")), Failure);
    EXPECT_THROW(SqlDate(pub, QStringLiteral("2024-02-30")), Failure);
    EXPECT_THROW(SqlDate(pub, QVariant()), Failure);

    EXPECT_EQ(formatDate(QDate(2024, 3, 5), QStringLiteral("yyyy-mm-dd")), QStringLiteral("2024-03-05"));
    EXPECT_EQ(formatDate(QDate(2024, 12, 25), QStringLiteral("YYYY.MM.DD")), QStringLiteral("2024.12.25"));
    EXPECT_EQ(formatDate(QDate(2009, 11, 30), QStringLiteral("yy/mm")), QStringLiteral("09/11"));
    EXPECT_EQ(formatDate(QDate(), QStringLiteral("yyyy-mm-dd")), QString());
}

} // namespace
} // namespace qxmxz

// The one formatter behind every display pattern: exact rounding of money,
// rounding of doubles on their shortest decimal text, grouping, padding and
// the date patterns.

#include "totals/NumberPattern.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/Failure.h"
#include "platform/outside/QtStringPrinting.h"

namespace qxmxz {
namespace {

Currency money(const char *text)
{
    return *Currency::fromText(QString::fromLatin1(text));
}

TEST(NumberPattern, AmountPatternWithSeparatorsGroupsAndPadsTheWholePart)
{
    EXPECT_EQ(formatNumber(money("12345.6"), QStringLiteral("0,0.00")), QStringLiteral("12,345.60"));
    EXPECT_EQ(formatNumber(money("1234567.891"), QStringLiteral("0,0.00")), QStringLiteral("1,234,567.89"));
    EXPECT_EQ(formatNumber(money("-12.5"), QStringLiteral("0,0.00")), QStringLiteral("-12.50"));
    EXPECT_EQ(formatNumber(money("100"), QStringLiteral("0,0.00")), QStringLiteral("100.00"));
    EXPECT_EQ(formatNumber(money("999999.999"), QStringLiteral("0,0.00")), QStringLiteral("1,000,000.00"));
    // Two "0" placeholders in the whole part: below 10 a leading zero shows.
    EXPECT_EQ(formatNumber(money("5"), QStringLiteral("0,0.00")), QStringLiteral("05.00"));
}

TEST(NumberPattern, RoundsHalfAwayFromZeroAtTheLastDecimal)
{
    EXPECT_EQ(formatNumber(9.999, QStringLiteral("0.00")), QStringLiteral("10.00"));
    EXPECT_EQ(formatNumber(-9.999, QStringLiteral("0.00")), QStringLiteral("-10.00"));
    EXPECT_EQ(formatNumber(9.994, QStringLiteral("0.00")), QStringLiteral("9.99"));
    EXPECT_EQ(formatNumber(9.995, QStringLiteral("0.00")), QStringLiteral("10.00"));
    // 2.675 is stored as 2.67499999…; the shortest text reads 2.675 and rounds up.
    EXPECT_EQ(formatNumber(2.675, QStringLiteral("0.00")), QStringLiteral("2.68"));
    EXPECT_EQ(formatNumber(-2.675, QStringLiteral("0.00")), QStringLiteral("-2.68"));
    EXPECT_EQ(formatNumber(1.005, QStringLiteral("0.00")), QStringLiteral("1.01"));
    EXPECT_EQ(formatNumber(0.125, QStringLiteral("0.00")), QStringLiteral("0.13"));
    EXPECT_EQ(formatNumber(0.0049, QStringLiteral("0.00")), QStringLiteral("0.00"));
    EXPECT_EQ(formatNumber(money("2.675"), QStringLiteral("0.00")), QStringLiteral("2.68"));
    EXPECT_EQ(formatNumber(money("0.0050"), QStringLiteral("0.00")), QStringLiteral("0.01"));
    EXPECT_EQ(formatNumber(money("-0.0050"), QStringLiteral("0.00")), QStringLiteral("-0.01"));
}

TEST(NumberPattern, ValueRoundingToZeroCarriesNoSign)
{
    EXPECT_EQ(formatNumber(-0.004, QStringLiteral("0.00")), QStringLiteral("0.00"));
    EXPECT_EQ(formatNumber(money("-0.0049"), QStringLiteral("##,##0.00")), QStringLiteral("0.00"));
    EXPECT_EQ(formatNumber(-0.0, QStringLiteral("0.00")), QStringLiteral("0.00"));
}

TEST(NumberPattern, ForeignAmountPatternShowsAtLeastOneWholeDigit)
{
    EXPECT_EQ(formatNumber(money("0.5"), QStringLiteral("##,##0.00")), QStringLiteral("0.50"));
    EXPECT_EQ(formatNumber(money("1234"), QStringLiteral("##,##0.00")), QStringLiteral("1,234.00"));
    EXPECT_EQ(formatNumber(money("999.995"), QStringLiteral("##,##0.00")), QStringLiteral("1,000.00"));
    EXPECT_EQ(formatNumber(money("-1234567"), QStringLiteral("##,##0.00")), QStringLiteral("-1,234,567.00"));
}

TEST(NumberPattern, DecimalPlacePatternsKeepThePointWithoutDecimals)
{
    EXPECT_EQ(formatNumber(12.0, QStringLiteral("0.")), QStringLiteral("12."));
    EXPECT_EQ(formatNumber(12.5, QStringLiteral("0.")), QStringLiteral("13."));
    EXPECT_EQ(formatNumber(0.4, QStringLiteral("0.")), QStringLiteral("0."));
    EXPECT_EQ(formatNumber(1.0005, QStringLiteral("0.000")), QStringLiteral("1.001"));
    EXPECT_EQ(formatNumber(1234.5, QStringLiteral("0.0")), QStringLiteral("1234.5"));
    EXPECT_EQ(formatNumber(6.12345, QStringLiteral("0.0000")), QStringLiteral("6.1235"));
}

TEST(NumberPattern, FormatStrPatternsGroupOnlyWhenAsked)
{
    EXPECT_EQ(formatNumber(1234.56, QStringLiteral("##0.0")), QStringLiteral("1234.6"));
    EXPECT_EQ(formatNumber(1234.56, QStringLiteral("##,##0.0")), QStringLiteral("1,234.6"));
    EXPECT_EQ(formatNumber(0.25, QStringLiteral("##0.000")), QStringLiteral("0.250"));
    EXPECT_EQ(formatNumber(0.0, QStringLiteral("##0")), QStringLiteral("0"));
    EXPECT_EQ(formatNumber(12.5, QStringLiteral("##0")), QStringLiteral("13"));
    EXPECT_EQ(formatNumber(1234567.0, QStringLiteral("##,##0")), QStringLiteral("1,234,567"));
}

TEST(NumberPattern, FixedWidthIntegerPatterns)
{
    EXPECT_EQ(formatNumber(7, QStringLiteral("00")), QStringLiteral("07"));
    EXPECT_EQ(formatNumber(12, QStringLiteral("00")), QStringLiteral("12"));
    EXPECT_EQ(formatNumber(0, QStringLiteral("00")), QStringLiteral("00"));
    EXPECT_EQ(formatNumber(7, QStringLiteral("0000")), QStringLiteral("0007"));
    EXPECT_EQ(formatNumber(12345, QStringLiteral("0000")), QStringLiteral("12345"));
    EXPECT_EQ(formatNumber(qint64(9000000000LL), QStringLiteral("0000")), QStringLiteral("9000000000"));
}

TEST(NumberPattern, ExtremeValues)
{
    EXPECT_EQ(formatNumber(Currency::fromUnits(std::numeric_limits<std::int64_t>::min()), QStringLiteral("0.00")),
              QStringLiteral("-922337203685477.58"));
    EXPECT_EQ(formatNumber(1e20, QStringLiteral("##,##0")), QStringLiteral("100,000,000,000,000,000,000"));
    EXPECT_EQ(formatNumber(1e-7, QStringLiteral("0.00")), QStringLiteral("0.00"));
    EXPECT_EQ(formatNumber(std::nan(""), QStringLiteral("0.00")), QString());
    EXPECT_EQ(formatNumber(std::numeric_limits<double>::infinity(), QStringLiteral("0.00")), QString());
}

TEST(NumberPattern, RefusesPatternsItDoesNotKnow)
{
    EXPECT_THROW(formatNumber(1.0, QStringLiteral("0.00%")), Failure);
    EXPECT_THROW(formatNumber(1.0, QStringLiteral("$0.00")), Failure);
}

TEST(DecimalDigits, ParsesPlainNumericText)
{
    const auto d = DecimalDigits::parse(QStringLiteral(" -1.5e3 "));
    ASSERT_TRUE(d.has_value());
    EXPECT_EQ(d->toText(), QStringLiteral("-1500"));
    EXPECT_EQ(DecimalDigits::parse(QStringLiteral("+.5"))->toText(), QStringLiteral("0.5"));
    EXPECT_EQ(DecimalDigits::parse(QStringLiteral("12."))->toText(), QStringLiteral("12"));
    EXPECT_EQ(DecimalDigits::parse(QStringLiteral("2.5E-3"))->toText(), QStringLiteral("0.0025"));
    EXPECT_EQ(DecimalDigits::parse(QStringLiteral("007"))->toText(), QStringLiteral("7"));
    EXPECT_TRUE(DecimalDigits::parse(QStringLiteral("-0.000"))->isZero());
}

TEST(DecimalDigits, RejectsTextThatIsNoPlainNumber)
{
    for (const char *text : {"", " ", "abc", "1,000", ".", "-", "1e", "1e+", "1.2.3", "12abc", "1e999999", "١٢"})
        EXPECT_FALSE(DecimalDigits::parse(QString::fromUtf8(text)).has_value()) << text;
}

TEST(DecimalDigits, DoublesUseTheirShortestText)
{
    EXPECT_EQ(DecimalDigits::of(0.1)->toText(), QStringLiteral("0.1"));
    EXPECT_EQ(DecimalDigits::of(2.675)->toText(), QStringLiteral("2.675"));
    EXPECT_EQ(DecimalDigits::of(1e-5)->toText(), QStringLiteral("0.00001"));
    EXPECT_EQ(DecimalDigits::of(-250.0)->toText(), QStringLiteral("-250"));
    EXPECT_FALSE(DecimalDigits::of(std::nan("")).has_value());
}

TEST(DatePattern, WritesTheLedgerDateForms)
{
    const QDate date(2024, 3, 5);
    EXPECT_EQ(formatDate(date, QStringLiteral("yyyy-mm-dd")), QStringLiteral("2024-03-05"));
    EXPECT_EQ(formatDate(date, QStringLiteral("yyyy.mm.dd")), QStringLiteral("2024.03.05"));
    EXPECT_EQ(formatDate(date, QStringLiteral("m-d-yyyy")), QStringLiteral("3-5-2024"));
    EXPECT_EQ(formatDate(QDate(2024, 12, 25), QStringLiteral("YYYY-MM-DD")), QStringLiteral("2024-12-25"));
    EXPECT_EQ(formatDate(QDate(2009, 11, 30), QStringLiteral("yy/mm")), QStringLiteral("09/11"));
    EXPECT_EQ(formatDate(QDate(), QStringLiteral("yyyy-mm-dd")), QString());
}

} // namespace
} // namespace qxmxz

// Amounts, quantities, prices and rates as display text, with the inputs a
// ledger meets: Null, empty text, numbers, numeric text and money.

#include "totals/AmountFormats.h"
#include "totals/NumberPattern.h"

#include <gtest/gtest.h>

#include "platform/Failure.h"
#include "platform/outside/GlPublic.h"
#include "platform/outside/QtStringPrinting.h"

namespace qxmxz {
namespace {

QVariant money(const char *text)
{
    return QVariant::fromValue(*Currency::fromText(QString::fromLatin1(text)));
}

Currency cy(const char *text)
{
    return *Currency::fromText(QString::fromLatin1(text));
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

TEST(FormatAmt, ZeroNullAndEmptyText)
{
    EXPECT_EQ(FormatAmt(0), QString());
    EXPECT_EQ(FormatAmt(0, false), QStringLiteral("0"));
    EXPECT_EQ(FormatAmt(0.0, false), QStringLiteral("0"));
    EXPECT_EQ(FormatAmt(money("0"), false), QStringLiteral("0"));
    EXPECT_EQ(FormatAmt(QStringLiteral("0.00")), QString());
    EXPECT_EQ(FormatAmt(QStringLiteral("0.00"), false), QStringLiteral("0"));

    EXPECT_EQ(FormatAmt(QVariant()), QString());
    EXPECT_EQ(FormatAmt(QVariant(), false), QStringLiteral("0"));
    // A Null column value as the database delivers it: typed but null.
    EXPECT_EQ(FormatAmt(QVariant(QMetaType::fromType<double>())), QString());
    EXPECT_EQ(FormatAmt(QVariant(QMetaType::fromType<double>()), false), QStringLiteral("0"));

    EXPECT_EQ(FormatAmt(QString()), QString());
    EXPECT_EQ(FormatAmt(QString(), false), QString());
    EXPECT_EQ(FormatAmt(QStringLiteral("")), QString());
}

TEST(FormatAmt, PatternSwitchesAtTen)
{
    EXPECT_EQ(FormatAmt(9.99), QStringLiteral("9.99"));
    EXPECT_EQ(FormatAmt(9.994), QStringLiteral("9.99"));
    // Below 10 before rounding: "0.00" applies and rounds up to 10.00.
    EXPECT_EQ(FormatAmt(9.999), QStringLiteral("10.00"));
    EXPECT_EQ(FormatAmt(-9.999), QStringLiteral("-10.00"));
    EXPECT_EQ(FormatAmt(10), QStringLiteral("10.00"));
    EXPECT_EQ(FormatAmt(-10), QStringLiteral("-10.00"));
    EXPECT_EQ(FormatAmt(10.001), QStringLiteral("10.00"));
    EXPECT_EQ(FormatAmt(5), QStringLiteral("5.00"));
    EXPECT_EQ(FormatAmt(-5), QStringLiteral("-5.00"));
    EXPECT_EQ(FormatAmt(0.5), QStringLiteral("0.50"));
}

TEST(FormatAmt, ThousandsSeparatorsAndInputKinds)
{
    EXPECT_EQ(FormatAmt(1234567.891), QStringLiteral("1,234,567.89"));
    EXPECT_EQ(FormatAmt(12345.6), QStringLiteral("12,345.60"));
    EXPECT_EQ(FormatAmt(-12.5), QStringLiteral("-12.50"));
    EXPECT_EQ(FormatAmt(money("-1234567.8950")), QStringLiteral("-1,234,567.90"));
    EXPECT_EQ(FormatAmt(cy("-1234567.8950")), QStringLiteral("-1,234,567.90"));
    EXPECT_EQ(FormatAmt(cy("9.995")), QStringLiteral("10.00"));
    EXPECT_EQ(FormatAmt(Currency(), false), QStringLiteral("0"));
    EXPECT_EQ(FormatAmt(QStringLiteral("12345.6")), QStringLiteral("12,345.60"));
    EXPECT_EQ(FormatAmt(QStringLiteral(" 2.675 ")), QStringLiteral("2.68"));
    EXPECT_EQ(FormatAmt(qint64(123456789)), QStringLiteral("123,456,789.00"));
    EXPECT_EQ(FormatAmt(QStringLiteral("abc")), QString());
    EXPECT_EQ(FormatAmt(QStringLiteral("1,234.00")), QString());
}

TEST(FormatAmtText, OnlyPlainNumericText)
{
    EXPECT_EQ(FormatAmtText(QStringLiteral("1,234.00")), QString());
    EXPECT_EQ(FormatAmtText(QStringLiteral("abc")), QString());
    EXPECT_EQ(FormatAmtText(QString()), QString());
    EXPECT_EQ(FormatAmtText(QStringLiteral("5")), QStringLiteral("5.00"));
    EXPECT_EQ(FormatAmtText(QStringLiteral("12345.6")), QStringLiteral("12,345.60"));
    EXPECT_EQ(FormatAmtText(QStringLiteral("-12.5")), QStringLiteral("-12.50"));
    EXPECT_EQ(FormatAmtText(QStringLiteral("9.999")), QStringLiteral("10.00"));
    EXPECT_EQ(FormatAmtText(QStringLiteral("-9.995")), QStringLiteral("-10.00"));
    EXPECT_EQ(FormatAmtText(QStringLiteral("1e3")), QStringLiteral("1,000.00"));
}

TEST(FormatCy, ForeignAmounts)
{
    EXPECT_EQ(FormatCy(Currency(), true), QString());
    EXPECT_EQ(FormatCy(Currency(), false), QString());
    EXPECT_EQ(FormatCy(cy("1234.5"), true), QStringLiteral("1,234.50"));
    EXPECT_EQ(FormatCy(cy("1234.5"), false), QStringLiteral("1234.50"));
    EXPECT_EQ(FormatCy(cy("0.5"), true), QStringLiteral("0.50"));
    EXPECT_EQ(FormatCy(cy("-0.005"), true), QStringLiteral("-0.01"));
    EXPECT_EQ(FormatCy(cy("9.999"), false), QStringLiteral("10.00"));
}

// The options of a general-ledger object without an account set: 2 quantity
// and 2 price decimals.
TEST(FormatQty, UsesTheQuantityDecimals)
{
    GlPublic pub;
    ASSERT_EQ(pub.options().quantityDecimals, 2);
    EXPECT_EQ(FormatQty(pub, 3), QStringLiteral("3.00"));
    EXPECT_EQ(FormatQty(pub, -1.5), QStringLiteral("-1.50"));
    EXPECT_EQ(FormatQty(pub, 0.005), QStringLiteral("0.01"));
    EXPECT_EQ(FormatQty(pub, QStringLiteral("2.675")), QStringLiteral("2.68"));
    EXPECT_EQ(FormatQty(pub, 1234.5), QStringLiteral("1234.50"));
}

TEST(FormatQty, ZeroNullEmptyAndRoundedAway)
{
    GlPublic pub;
    EXPECT_EQ(FormatQty(pub, 0), QString());
    EXPECT_EQ(FormatQty(pub, 0, false), QStringLiteral("0"));
    EXPECT_EQ(FormatQty(pub, QVariant()), QString());
    EXPECT_EQ(FormatQty(pub, QVariant(), false), QStringLiteral("0"));
    EXPECT_EQ(FormatQty(pub, QString()), QString());
    EXPECT_EQ(FormatQty(pub, QString(), false), QString());
    // Rounds to zero: empty whatever blankZero says.
    EXPECT_EQ(FormatQty(pub, 0.001), QString());
    EXPECT_EQ(FormatQty(pub, 0.001, false), QString());
    EXPECT_EQ(FormatQty(pub, -0.004, false), QString());
    EXPECT_EQ(FormatQty(pub, QStringLiteral("abc")), QString());
}

TEST(FormatPrice, AbsoluteUnitPrice)
{
    GlPublic pub;
    EXPECT_EQ(FormatPrice(pub, -4, cy("10")), QStringLiteral("2.50"));
    EXPECT_EQ(FormatPrice(pub, 4, cy("-10")), QStringLiteral("2.50"));
    EXPECT_EQ(FormatPrice(pub, 3, cy("10")), QStringLiteral("3.33"));
    EXPECT_EQ(FormatPrice(pub, 3, cy("20")), QStringLiteral("6.67"));
    EXPECT_EQ(FormatPrice(pub, 0, cy("10")), QString());
    EXPECT_EQ(FormatPrice(pub, 4, Currency()), QString());
}

TEST(FormatRate, CurrencyRateDecimals)
{
    EXPECT_EQ(FormatRate(0, dollar(true, 4)), QString());
    EXPECT_EQ(FormatRate(6.5, dollar(true, 2)), QStringLiteral("6.50"));
    EXPECT_EQ(FormatRate(6.12345, dollar(true, 4)), QStringLiteral("6.1235"));
    EXPECT_EQ(FormatRate(6.5, dollar(true, 0)), QStringLiteral("7."));
}

TEST(CalcRate, MultiplicationAndDivisionMethods)
{
    EXPECT_EQ(CalcRate(cy("100"), cy("650"), dollar(true, 2)), QStringLiteral("6.50"));
    EXPECT_EQ(CalcRate(cy("100"), cy("650"), dollar(false, 2)), QStringLiteral("0.15"));
    EXPECT_EQ(CalcRate(cy("-100"), cy("-650"), dollar(true, 2)), QStringLiteral("6.50"));
    EXPECT_EQ(CalcRate(cy("100"), cy("-650"), dollar(true, 4)), QStringLiteral("6.5000"));
    EXPECT_EQ(CalcRate(cy("300"), cy("2000"), dollar(true, 4)), QStringLiteral("6.6667"));
}

TEST(CalcRate, NothingWithoutCurrencyOrAmounts)
{
    CurrencyRecord home;
    EXPECT_EQ(CalcRate(cy("100"), cy("650"), home), QString());
    EXPECT_EQ(CalcRate(Currency(), cy("650"), dollar(true, 2)), QString());
    EXPECT_EQ(CalcRate(cy("100"), Currency(), dollar(true, 2)), QString());
}

TEST(QtyFormat, PatternsAndThePresenceOfTheSeparatorArgument)
{
    EXPECT_EQ(QtyFormat(3), QStringLiteral("##0.000"));
    EXPECT_EQ(QtyFormat(3, true), QStringLiteral("##,##0.000"));
    // Only the presence of the argument counts.
    EXPECT_EQ(QtyFormat(3, false), QStringLiteral("##,##0.000"));
    EXPECT_EQ(QtyFormat(3, QVariant()), QStringLiteral("##,##0.000"));
    EXPECT_EQ(QtyFormat(0), QStringLiteral("##0"));
    EXPECT_EQ(QtyFormat(0, 1), QStringLiteral("##,##0"));
    EXPECT_EQ(QtyFormat(1), QStringLiteral("##0.0"));
    EXPECT_EQ(QtyFormat(2), QStringLiteral("##0.00"));
    EXPECT_EQ(QtyFormat(2, true), QStringLiteral("##,##0.00"));
}

TEST(QtyFormat, PatternsServeTheFormatter)
{
    EXPECT_EQ(formatNumber(1234.5, QtyFormat(2, true)), QStringLiteral("1,234.50"));
    EXPECT_EQ(formatNumber(1234.5, QtyFormat(0)), QStringLiteral("1235"));
    EXPECT_EQ(formatNumber(12.0, decimalPlacesPattern(0)), QStringLiteral("12."));
    EXPECT_EQ(decimalPlacesPattern(0), QStringLiteral("0."));
    EXPECT_EQ(decimalPlacesPattern(3), QStringLiteral("0.000"));
    EXPECT_EQ(decimalPlacesPattern(-1), QStringLiteral("0."));
}

TEST(SignOf, NullAndNonNegativeGiveOne)
{
    EXPECT_EQ(SignOf(QVariant()), 1);
    EXPECT_EQ(SignOf(QVariant(QMetaType::fromType<double>())), 1);
    EXPECT_EQ(SignOf(0), 1);
    EXPECT_EQ(SignOf(-0.0), 1);
    EXPECT_EQ(SignOf(12.5), 1);
    EXPECT_EQ(SignOf(QStringLiteral("abc")), 1);
    EXPECT_EQ(SignOf(Currency()), 1);
    EXPECT_EQ(SignOf(cy("3")), 1);
}

TEST(SignOf, NegativeGivesMinusOne)
{
    EXPECT_EQ(SignOf(-1), -1);
    EXPECT_EQ(SignOf(-0.0001), -1);
    EXPECT_EQ(SignOf(QStringLiteral("-5")), -1);
    EXPECT_EQ(SignOf(money("-0.0001")), -1);
    EXPECT_EQ(SignOf(cy("-120")), -1);
}

TEST(SqlDate, MonthDayYearWithoutLeadingZeros)
{
    GlPublic pub;
    EXPECT_EQ(SqlDate(pub, QDate(2024, 3, 5)), QStringLiteral("N'3-5-2024'"));
    EXPECT_EQ(SqlDate(pub, QStringLiteral("2024-03-05")), QStringLiteral("N'3-5-2024'"));
    EXPECT_EQ(SqlDate(pub, QStringLiteral("2024.12.25")), QStringLiteral("N'12-25-2024'"));
    EXPECT_EQ(SqlDate(pub, QStringLiteral("20241001")), QStringLiteral("N'10-1-2024'"));
}

TEST(SqlDate, RefusesWhatIsNoDate)
{
    GlPublic pub;
    EXPECT_THROW(SqlDate(pub, QStringLiteral("not a date")), Failure);
    EXPECT_THROW(SqlDate(pub, QStringLiteral("2024-02-30")), Failure);
    EXPECT_THROW(SqlDate(pub, QVariant()), Failure);
}

} // namespace
} // namespace qxmxz

TEST(FormatAmtOfMoney, AgreesWithThePatternFormatterOnEveryKindOfAmount)
{
    // The integer path for money must read exactly as the amount text of the same value.
    std::uint64_t seed = 12345;
    auto next = [&seed] {
        seed = seed * 6364136223846793005ULL + 1442695040888963407ULL;
        return seed >> 11;
    };
    QList<qint64> units{1, -1, 49, 50, -50, 99949, 99950, 99999, 100000, -99995, 9999999, 123456789012345LL,
                        -100000, 1000000000, 994999, 995000};
    for (int i = 0; i < 5000; ++i)
        units << qint64(next() % 20000000000000ULL) * ((i % 3) ? 1 : -1) / qint64(1 + next() % 100000);
    for (qint64 u : units) {
        const qxmxz::Currency value = qxmxz::Currency::fromUnits(u);
        EXPECT_EQ(qxmxz::FormatAmt(value), qxmxz::FormatAmtText(value.toString())) << u;
    }
    EXPECT_EQ(qxmxz::FormatAmt(qxmxz::Currency()), QString());
    EXPECT_EQ(qxmxz::FormatAmt(qxmxz::Currency(), false), QStringLiteral("0"));
}

#include <gtest/gtest.h>

#include "platform/values/Currency.h"

using qxmxz::Currency;

TEST(Currency, ReadsPlainNumbersExactlyRoundingTheFifthDecimalAwayFromZero)
{
    const std::pair<const char *, qint64> good[] = {{"1234.5678", 12345678}, {"-0.5", -5000}, {"+12", 120000}, {".25", 2500},
                                                    {"0.00005", 1}, {"-0.00005", -1}, {"0.00004", 0}};
    for (const auto &[text, units] : good)
        EXPECT_EQ(Currency::fromText(QString::fromLatin1(text)).value_or(Currency::fromUnits(-99)).units(), units) << text;
    for (const char *bad : {"", "1,234.00", "12a", "1e5", "-", ".", "1.2.3", "999999999999999999999"})
        EXPECT_FALSE(Currency::fromText(QString::fromLatin1(bad)).has_value()) << bad;
}

TEST(Currency, ReadsWhatTheDriversDeliverToTheNearestTenThousandthAndSumsExactly)
{
    EXPECT_EQ(Currency::fromDouble(0.1 + 0.2).units(), 3000);
    EXPECT_EQ(Currency::fromDouble(123456789.1234).units(), 1234567891234LL);
    EXPECT_EQ(Currency::fromDouble(-2.00005).units(), -20001);
    EXPECT_EQ(Currency::fromDouble(std::numeric_limits<double>::quiet_NaN()).units(), 0);
    EXPECT_EQ(Currency::fromVariant(QVariant()).units(), 0);
    EXPECT_EQ(Currency::fromVariant(QVariant(42)).units(), 420000);
    EXPECT_EQ(Currency::fromVariant(QVariant(QStringLiteral("98765432109.8765"))).units(), 987654321098765LL);
    EXPECT_EQ(Currency::fromVariant(QVariant::fromValue(Currency::fromUnits(7))).units(), 7);
    Currency sum;
    for (int i = 0; i < 1000000; ++i)
        sum += Currency::fromDouble(0.01);
    EXPECT_EQ(sum, Currency::fromInteger(10000));
}

TEST(Currency, WritesTextAndProratesWithoutOverflowRoundingHalfAwayFromZero)
{
    EXPECT_EQ(Currency::fromUnits(-125000).toFixedText(), QStringLiteral("-12.5000"));
    EXPECT_EQ(Currency::fromUnits(-125000).toString(), QStringLiteral("-12.5"));
    EXPECT_EQ(Currency::fromUnits(-1).toString(), QStringLiteral("-0.0001"));
    EXPECT_EQ(Currency().toString(), QStringLiteral("0"));
    const Currency whole = Currency::fromInteger(300);
    EXPECT_EQ(Currency::fromInteger(100).prorated(Currency::fromInteger(100), whole).units(), 333333);
    EXPECT_EQ(Currency::fromInteger(-100).prorated(Currency::fromInteger(200), whole).units(), -666667);
    EXPECT_EQ(Currency::fromInteger(1).prorated(Currency::fromInteger(1), Currency()).units(), 0);
    const Currency big = Currency::fromInteger(900000000000LL);
    EXPECT_EQ(big.prorated(big, big), big);
}

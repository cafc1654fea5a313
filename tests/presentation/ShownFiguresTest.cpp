// Figures read back from what a window shows: amount cells and the tool
// window's expressions.
#include <gtest/gtest.h>

#include "presentation/ArithmeticExpression.h"
#include "presentation/ShownAmount.h"

using namespace qxmxz;

TEST(ShownAmount, ReadsTheLedgersFormatsExactly)
{
    EXPECT_EQ(shownAmount(QStringLiteral("1,234,567.89")), Currency::fromUnits(12345678900));
    EXPECT_EQ(shownAmount(QStringLiteral("-0.01")), Currency::fromUnits(-100));
    EXPECT_EQ(shownAmount(QStringLiteral("")), Currency());
    EXPECT_EQ(shownAmount(QStringLiteral("  ")), Currency());
    EXPECT_EQ(shownAmount(QStringLiteral("9,999,999,999,999.99")), Currency::fromUnits(99999999999999900));
    EXPECT_FALSE(shownAmount(QStringLiteral("借")).has_value());
    EXPECT_FALSE(shownAmount(QStringLiteral("12a")).has_value());
}

TEST(ArithmeticExpression, EvaluatesWhatAnAccountantTypes)
{
    EXPECT_DOUBLE_EQ(*evaluateExpression(QStringLiteral("1,200.50*3-88")), 3513.5);
    EXPECT_DOUBLE_EQ(*evaluateExpression(QStringLiteral("(100 + 20) × 2 ÷ 4")), 60);
    EXPECT_DOUBLE_EQ(*evaluateExpression(QStringLiteral("-(2-5)*-2")), -6);
    EXPECT_DOUBLE_EQ(*evaluateExpression(QStringLiteral("2+3*4")), 14);
    EXPECT_FALSE(evaluateExpression(QStringLiteral("1/0")).has_value());
    EXPECT_FALSE(evaluateExpression(QStringLiteral("(1+2")).has_value());
    EXPECT_DOUBLE_EQ(*evaluateExpression(QStringLiteral("1 000 + 1")), 1001) << "blanks are dropped like separators";
    EXPECT_FALSE(evaluateExpression(QStringLiteral("1+")).has_value());
    EXPECT_FALSE(evaluateExpression(QStringLiteral("abc")).has_value());
}

// Shown cell texts read back as the values they display: what the exports
// and the command line's typed output make numbers, dates and texts of.

#include <gtest/gtest.h>

#include "platform/print/CellReading.h"

using namespace qxmxz;

namespace {

CellReading read(const char *text, bool decimalRequired = false)
{
    return readCell(QString::fromUtf8(text), decimalRequired);
}

TEST(CellReading, LedgerNumbersReadWithTheirDecimalsSignAndSeparators)
{
    const CellReading grouped = read("-1,234,567.50");
    EXPECT_EQ(grouped.kind, CellReading::Number);
    EXPECT_DOUBLE_EQ(grouped.number, -1234567.5);
    EXPECT_EQ(grouped.decimals, 2);
    EXPECT_TRUE(grouped.thousands);

    const CellReading plain = read("  +60000.00 ");
    EXPECT_EQ(plain.kind, CellReading::Number);
    EXPECT_DOUBLE_EQ(plain.number, 60000);
    EXPECT_EQ(plain.decimals, 2);
    EXPECT_FALSE(plain.thousands);

    const CellReading whole = read("12");
    EXPECT_EQ(whole.kind, CellReading::Number);
    EXPECT_DOUBLE_EQ(whole.number, 12);
    EXPECT_EQ(whole.decimals, 0);
    EXPECT_EQ(read("999,999").kind, CellReading::Number);
    EXPECT_EQ(read("0.001").decimals, 3);
}

TEST(CellReading, TextsThatOnlyLookLikeNumbersStayTexts)
{
    for (const char *text : {"1,2345", "1234,567", ",123", "1,234,", "1.", ".5", "+-1", "1.2.3", "1e5", "12a",
                             "收-0001", "１２３", "1 234", "--5"})
        EXPECT_EQ(read(text).kind, CellReading::Text) << text;
    EXPECT_EQ(read("").kind, CellReading::Blank);
    EXPECT_EQ(read(" \u3000 ").kind, CellReading::Blank);
}

TEST(CellReading, WithDecimalsRequiredCodesAndVoucherNumbersStayTexts)
{
    EXPECT_EQ(read("100201", true).kind, CellReading::Text);
    EXPECT_EQ(read("1,000", true).kind, CellReading::Text);
    EXPECT_EQ(read("1,000.00", true).kind, CellReading::Number);
}

TEST(CellReading, DatesWithEitherSeparatorAndOnlyRealDays)
{
    const CellReading dashed = read("2026-03-31");
    EXPECT_EQ(dashed.kind, CellReading::Date);
    EXPECT_EQ(dashed.date, QDate(2026, 3, 31));
    EXPECT_EQ(read("2026.02.28").date, QDate(2026, 2, 28));
    EXPECT_EQ(read("2026-02-30").kind, CellReading::Text);
    EXPECT_EQ(read("2026-3-31").kind, CellReading::Text);
    EXPECT_EQ(read("2026/03/31").kind, CellReading::Text);
}

} // namespace

// The four book styles: texts, codes, indices, and the enumeration of the
// general-ledger object ("EnumAccBookType") agreeing with them.

#include "presentation/BookStyle.h"

#include <gtest/gtest.h>

#include "platform/outside/GlPublic.h"
#include "platform/outside/QtStringPrinting.h"

namespace qxmxz {
namespace {

TEST(BookStyles, TextsCodesAndIndices)
{
    const QList<std::tuple<BookStyle, const char *, const char *, int>> styles{
        {BookStyle::Je, "金额式", "Je", 0},
        {BookStyle::Sl, "数量金额式", "Sl", 1},
        {BookStyle::Wb, "外币金额式", "Wb", 2},
        {BookStyle::SlWb, "数量外币式", "SlWb", 3},
    };
    for (const auto &[style, text, code, index] : styles) {
        EXPECT_EQ(BookStyles::text(style), QString::fromUtf8(text));
        EXPECT_EQ(BookStyles::code(style), QString::fromLatin1(code));
        EXPECT_EQ(BookStyles::index(style), index);
        BookStyle read;
        ASSERT_TRUE(BookStyles::fromText(QStringLiteral(" ") + QString::fromUtf8(text) + QStringLiteral(" "), read));
        EXPECT_EQ(read, style);
        ASSERT_TRUE(BookStyles::fromCode(QString::fromLatin1(code).toLower(), read));
        EXPECT_EQ(read, style);
        // The general-ledger object enumerates the same styles by the same indices.
        EXPECT_EQ(GlPublic::bookStyleName(index), QString::fromUtf8(text));
        EXPECT_EQ(GlPublic::bookStyleIndex(QString::fromUtf8(text)), index);
    }
}

TEST(BookStyles, AMissingStyleIsTheAmountStyleAndAnUnknownOneIsNone)
{
    BookStyle style = BookStyle::SlWb;
    ASSERT_TRUE(BookStyles::fromText(QString(), style));
    EXPECT_EQ(style, BookStyle::Je);
    EXPECT_FALSE(BookStyles::fromText(QStringLiteral("多栏式"), style));
    EXPECT_FALSE(BookStyles::fromCode(QStringLiteral("xx"), style));
    EXPECT_TRUE(GlPublic::bookStyleName(4).isEmpty());
    EXPECT_EQ(GlPublic::bookStyleIndex(QStringLiteral("多栏式")), -1);
}

TEST(BookStyles, WhichStylesShowQuantitiesAndForeignCurrency)
{
    EXPECT_FALSE(BookStyles::showsQuantity(BookStyle::Je));
    EXPECT_TRUE(BookStyles::showsQuantity(BookStyle::Sl));
    EXPECT_FALSE(BookStyles::showsQuantity(BookStyle::Wb));
    EXPECT_TRUE(BookStyles::showsQuantity(BookStyle::SlWb));
    EXPECT_FALSE(BookStyles::showsForeignCurrency(BookStyle::Je));
    EXPECT_FALSE(BookStyles::showsForeignCurrency(BookStyle::Sl));
    EXPECT_TRUE(BookStyles::showsForeignCurrency(BookStyle::Wb));
    EXPECT_TRUE(BookStyles::showsForeignCurrency(BookStyle::SlWb));
}

} // namespace
} // namespace qxmxz

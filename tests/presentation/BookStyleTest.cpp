// The four book styles read from their texts and codes, and the enumeration
// of the general-ledger object ("EnumAccBookType") agreeing with them.

#include "presentation/BookStyle.h"

#include <gtest/gtest.h>

#include "platform/outside/GlPublic.h"
#include "support/Printers.h"

namespace qxmxz {
namespace {

TEST(BookStyles, TextsAndCodesReadBackAndAgreeWithTheEnumeration)
{
    for (BookStyle style : {BookStyle::Je, BookStyle::Sl, BookStyle::Wb, BookStyle::SlWb}) {
        const QString text = BookStyles::text(style);
        BookStyle fromText = BookStyle::Je, fromCode = BookStyle::Je;
        EXPECT_TRUE(BookStyles::fromText(QStringLiteral(" ") + text + QStringLiteral(" "), fromText) && fromText == style);
        EXPECT_TRUE(BookStyles::fromCode(BookStyles::code(style).toLower(), fromCode) && fromCode == style);
        EXPECT_EQ(GlPublic::bookStyleName(BookStyles::index(style)), text);
        EXPECT_EQ(GlPublic::bookStyleIndex(text), BookStyles::index(style));
    }
    BookStyle style = BookStyle::SlWb;
    ASSERT_TRUE(BookStyles::fromText(QString(), style)) << "a missing style is the amount style";
    EXPECT_EQ(style, BookStyle::Je);
    EXPECT_FALSE(BookStyles::fromText(QStringLiteral("多栏式"), style));
    EXPECT_FALSE(BookStyles::fromCode(QStringLiteral("xx"), style));
    EXPECT_EQ(GlPublic::bookStyleIndex(QStringLiteral("多栏式")), -1);
}

} // namespace
} // namespace qxmxz

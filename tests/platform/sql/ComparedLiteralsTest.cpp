#include <gtest/gtest.h>

#include "platform/sql/ComparedLiterals.h"

using namespace qxmxz;

TEST(ComparedLiterals, takeOutTheValuesAQueryCompares)
{
    const auto q = parameterizeComparedLiterals(
        QStringLiteral("select cdigest from gl_accvouch where iyear=2026 and ccode = N'100201' and iperiod = 3 "
                       "and md <> 0.5 and cdigest='O''Brien' order by inid"));
    ASSERT_TRUE(q);
    EXPECT_EQ(q->text, QStringLiteral("select cdigest from gl_accvouch where iyear=? and ccode = ? and iperiod = ? "
                                      "and md <> ? and cdigest=? order by inid"));
    EXPECT_EQ(q->values, (QVariantList{2026LL, QStringLiteral("100201"), 3LL, 0.5, QStringLiteral("O'Brien")}));

    // A parenthesised compound query is a query too; every member's values go, in order.
    const auto compound = parameterizeComparedLiterals(
        QStringLiteral("(select ccode from v where iperiod >= 2) union all (select ccode from w where iperiod <= 5)"));
    ASSERT_TRUE(compound);
    EXPECT_EQ(compound->values, (QVariantList{2LL, 5LL}));
}

TEST(ComparedLiterals, leaveWhatShapesTheQuery)
{
    // Literals that are not compared (constant columns, column positions,
    // LIKE patterns, negative numbers), dates for the dialect, quoted names
    // and comments stay as written.
    const auto q = parameterizeComparedLiterals(
        QStringLiteral("select 0 as Mc, 'x' as k from v where ccode like N'10%' and dbill_date <= N'1-31-2026' "
                       "and \"iperiod\"=1 and md > -1 /* ccode = '9' */ order by 1"));
    ASSERT_TRUE(q);
    EXPECT_EQ(q->values, (QVariantList{1LL}));
    EXPECT_TRUE(q->text.contains(QStringLiteral("0 as Mc, 'x' as k")));
    EXPECT_TRUE(q->text.contains(QStringLiteral("like N'10%'")));
    EXPECT_TRUE(q->text.contains(QStringLiteral("<= N'1-31-2026'")));
    EXPECT_TRUE(q->text.contains(QStringLiteral("md > -1 /* ccode = '9' */ order by 1")));
}

TEST(ComparedLiterals, passOverWhatIsNotAPlainQuery)
{
    EXPECT_FALSE(parameterizeComparedLiterals(QStringLiteral("update v set md = 1 where ccode = '1'")));
    EXPECT_FALSE(parameterizeComparedLiterals(QStringLiteral("GL_glCode '1002%',1,12,0,2026")));
    EXPECT_FALSE(parameterizeComparedLiterals(QStringLiteral("select * from v where ccode = ? and iperiod = 3")));
    EXPECT_FALSE(parameterizeComparedLiterals(QStringLiteral("select * from v order by ccode")));
    // An unterminated literal is left for the database to refuse.
    const auto open = parameterizeComparedLiterals(QStringLiteral("select * from v where iperiod = 1 and ccode = 'abc"));
    ASSERT_TRUE(open);
    EXPECT_EQ(open->values, (QVariantList{1LL}));
    EXPECT_TRUE(open->text.endsWith(QStringLiteral("ccode = 'abc")));
}

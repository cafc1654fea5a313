#include <gtest/gtest.h>

#include "platform/sql/ComparedLiterals.h"

using namespace qxmxz;

TEST(ComparedLiterals, takeOutTheValuesAQueryComparesAndLeaveWhatShapesIt)
{
    // Literals not compared (constant columns, positions, LIKE patterns, negative numbers), dates for the
    // dialect, quoted names and comments stay; so does an unterminated literal, for the database to refuse.
    const struct {
        const char *written, *parameterized;
        QVariantList values;
    } queries[] = {
        {"select cdigest from gl_accvouch where iyear=2026 and ccode = N'100201' and md <> 0.5 and cdigest='O''Brien'",
         "select cdigest from gl_accvouch where iyear=? and ccode = ? and md <> ? and cdigest=?",
         {2026LL, QStringLiteral("100201"), 0.5, QStringLiteral("O'Brien")}},
        {"(select ccode from v where iperiod >= 2) union all (select ccode from w where iperiod <= 5)",
         "(select ccode from v where iperiod >= ?) union all (select ccode from w where iperiod <= ?)", {2LL, 5LL}},
        {"select 0 as Mc, 'x' as k from v where ccode like N'10%' and dbill_date <= N'1-31-2026' and \"iperiod\"=1 and "
         "md > -1 /* ccode = '9' */ order by 1",
         "select 0 as Mc, 'x' as k from v where ccode like N'10%' and dbill_date <= N'1-31-2026' and \"iperiod\"=? and "
         "md > -1 /* ccode = '9' */ order by 1", {1LL}},
        {"select * from v where iperiod = 1 and ccode = 'abc", "select * from v where iperiod = ? and ccode = 'abc", {1LL}},
    };
    for (const auto &q : queries) {
        const auto result = parameterizeComparedLiterals(QString::fromUtf8(q.written));
        ASSERT_TRUE(result) << q.written;
        EXPECT_EQ(result->text, QString::fromUtf8(q.parameterized));
        EXPECT_EQ(result->values, q.values) << q.written;
    }
    // What is not a plain query with compared literals is passed over.
    for (const char *sql : {"update v set md = 1 where ccode = '1'", "GL_glCode '1002%',1,12,0,2026",
                            "select * from v where ccode = ? and iperiod = 3", "select * from v order by ccode"})
        EXPECT_FALSE(parameterizeComparedLiterals(QString::fromLatin1(sql))) << sql;
}

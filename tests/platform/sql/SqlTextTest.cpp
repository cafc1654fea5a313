#include <gtest/gtest.h>

#include "platform/Failure.h"
#include "platform/sql/SqlText.h"

using namespace qxmxz;

TEST(SqlText, DoublesQuotesSoAValueStaysOneLiteral)
{
    EXPECT_EQ(sqlQuoted(QStringLiteral("1001' or '1'='1")), QStringLiteral("1001'' or ''1''=''1"));
    EXPECT_EQ(sqlQuoted(QStringLiteral("''")), QStringLiteral("''''"));
    EXPECT_EQ(sqlQuoted(QStringLiteral("王会计")), QStringLiteral("王会计"));
}

TEST(SqlText, RefusesLikeWildcardsInCodePrefixes)
{
    for (const char *bad : {"10%", "1_01", "[1]", "1\\"})
        EXPECT_THROW(sqlLikePrefix(QString::fromLatin1(bad)), Failure) << bad;
    EXPECT_EQ(sqlLikePrefix(QStringLiteral("1002'")), QStringLiteral("1002''"));
    EXPECT_EQ(likePrefixParameter(QStringLiteral("1002'")), QStringLiteral("1002'"));
    EXPECT_THROW(likePrefixParameter(QStringLiteral("%")), Failure);
}

TEST(SqlText, RecognisesPlainCodes)
{
    EXPECT_TRUE(isPlainCode(QStringLiteral("100201")));
    EXPECT_TRUE(isPlainCode(QStringLiteral("A01-2")));
    for (const char *bad : {"", "10 02", "1001'", "10%", "a;b", "x\"y"})
        EXPECT_FALSE(isPlainCode(QString::fromLatin1(bad))) << bad;
}

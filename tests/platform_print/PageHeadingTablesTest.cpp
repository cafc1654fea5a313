// The page-header tables in the local working database carry the fields the
// pages print, as written, within their widths.

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "platform/print/PageHeadingTables.h"
#include "platform/sql/LocalDatabase.h"

using namespace qxmxz;

TEST(PageHeadingTables, WrittenFieldsReadBackAndLongTextsStopAtTheirWidth)
{
    QTemporaryDir dir;
    LocalDatabase local(dir.filePath(QStringLiteral("local.db")));
    PageHeading heading;
    const QString longAccount = QStringLiteral("科目(") + QString(200, u'账') + u')';
    heading.heading = {QStringLiteral("明细账"), longAccount, QStringLiteral("2026.01-2026.03"), QStringLiteral("金额单位：元"),
                       QString(), QString(60, u'x')};
    heading.footing = {QStringLiteral("会计主管："), QStringLiteral("记账："), QStringLiteral("打印日期：2026-12-07"),
                       QStringLiteral("制表：")};
    writePageHeadingTables(local, QStringLiteral("mxzprn1"), QStringLiteral("mxzprn2"), heading);
    EXPECT_TRUE(local.hasTable(QStringLiteral("mxzprn1")));
    EXPECT_TRUE(local.hasTable(QStringLiteral("mxzprn2")));

    const PageHeading read = readPageHeadingTables(local, QStringLiteral("mxzprn1"), QStringLiteral("mxzprn2"));
    ASSERT_EQ(read.heading.size(), 6);
    EXPECT_EQ(read.field(false, 1), QStringLiteral("明细账"));
    EXPECT_EQ(read.field(false, 2), longAccount.left(180));
    EXPECT_EQ(read.field(false, 5), QString());
    EXPECT_EQ(read.field(false, 6), QString(50, u'x'));
    EXPECT_EQ(read.field(true, 3), QStringLiteral("打印日期：2026-12-07"));
    EXPECT_EQ(read.field(true, 6), QString());
}

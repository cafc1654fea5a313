// Print layouts by print table and book style, and the page rows of
// GL_mybooktype they read.

#include "presentation/PrintLayout.h"

#include <gtest/gtest.h>

#include "platform/outside/QtStringPrinting.h"
#include "support/TestDatabases.h"
#include "support/TestSession.h"

namespace qxmxz {
namespace {

const QString Je = QStringLiteral("金额式");
const QString Sl = QStringLiteral("数量金额式");
const QString Wb = QStringLiteral("外币金额式");
const QString SlWb = QStringLiteral("数量外币式");

TEST(PrintLayout, LayoutIdentifiersOfEachTableAndStyle)
{
    const QList<std::tuple<const char *, int, int, int>> table{
        {"GLMxz", 1, 3, 2}, {"GLRjz", 4, 6, 5}, {"GLSl", 7, 9, 8}, {"GLYeb", 10, 12, 11}};
    for (const auto &[name, amount, quantity, quantityForeign] : table) {
        const QString printTable = QString::fromLatin1(name);
        EXPECT_EQ(printLayoutId(printTable, Je), amount) << name;
        EXPECT_EQ(printLayoutId(printTable, QString()), amount) << "a missing style is the amount style";
        EXPECT_EQ(printLayoutId(printTable, Sl), quantity) << name;
        EXPECT_EQ(printLayoutId(printTable, SlWb), quantityForeign) << name;
        EXPECT_EQ(printLayoutId(printTable, Wb), 0) << name;
    }
    EXPECT_EQ(printLayoutId(QStringLiteral("GLZz"), Je), 0);
    EXPECT_EQ(printLayoutId(QStringLiteral("GLMxz"), QStringLiteral("多栏式")), 0);
}

TEST(PrintLayout, TemplateNamesCarryTheStyleCode)
{
    EXPECT_EQ(printTemplateName(QStringLiteral("GLMxz"), Je), QStringLiteral("GLMxzJe"));
    EXPECT_EQ(printTemplateName(QStringLiteral("GLMxz"), Sl), QStringLiteral("GLMxzSl"));
    EXPECT_EQ(printTemplateName(QStringLiteral("GLZz"), Wb), QStringLiteral("GLZzWb"));
    EXPECT_EQ(printTemplateName(QStringLiteral("GLRjz"), SlWb), QStringLiteral("GLRjzSlWb"));
    for (const char *plain : {"GLXs", "GLRbb", "GLRbd"})
        EXPECT_EQ(printTemplateName(QString::fromLatin1(plain), SlWb), QString::fromLatin1(plain));
}

class ResolvePrintLayoutTest : public ::testing::TestWithParam<Backend> {};

TEST_P(ResolvePrintLayoutTest, WithTheTemplateFlagTheNameWithoutItThePageRows)
{
    auto s = test::openDemoSession(GetParam());
    const PrintLayout named = ResolvePrintLayout(s->pub, QStringLiteral("GLMxz"), Sl, true);
    EXPECT_EQ(named.templateName, QStringLiteral("GLMxzSl"));
    EXPECT_TRUE(named.pageFields.isEmpty());

    const PrintLayout amount = ResolvePrintLayout(s->pub, QStringLiteral("GLMxz"), Je, false);
    EXPECT_EQ(amount.layoutId, 1);
    ASSERT_EQ(amount.pageFields.size(), 6);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(amount.pageFields[i].fieldId, i + 1);
        EXPECT_EQ(amount.pageFields[i].lines, 30);
    }
    EXPECT_EQ(amount.pageFields[2], (PageLayoutField{3, 30, QStringLiteral("摘要"), 30}));

    const PrintLayout quantity = ResolvePrintLayout(s->pub, QStringLiteral("GLMxz"), Sl, false);
    EXPECT_EQ(quantity.layoutId, 3);
    ASSERT_EQ(quantity.pageFields.size(), 6);
    EXPECT_EQ(quantity.pageFields[0].lines, 25);

    const PrintLayout foreign = ResolvePrintLayout(s->pub, QStringLiteral("GLMxz"), Wb, false);
    EXPECT_EQ(foreign.layoutId, 0);
    EXPECT_TRUE(foreign.pageFields.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Backends, ResolvePrintLayoutTest, test::bothBackends(), test::backendTestName);

} // namespace
} // namespace qxmxz

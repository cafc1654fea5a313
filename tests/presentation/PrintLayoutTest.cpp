// Print layouts by print table and book style, and the page rows of
// GL_mybooktype they read.

#include "presentation/PrintLayout.h"

#include <gtest/gtest.h>

#include "support/Printers.h"
#include "support/TestDatabases.h"
#include "support/TestSession.h"

namespace qxmxz {
namespace {

const QString Je = QStringLiteral("金额式");
const QString Sl = QStringLiteral("数量金额式");
const QString Wb = QStringLiteral("外币金额式");

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

// Print layouts by print table and book style, and the page rows of
// GL_mybooktype they read.

#include "presentation/PrintLayout.h"

#include <gtest/gtest.h>

#include "support/Printers.h"
#include "support/TestDatabases.h"
#include "support/TestSession.h"

namespace qxmxz {
namespace {

class ResolvePrintLayoutTest : public test::BackendTest {};

TEST_P(ResolvePrintLayoutTest, WithTheTemplateFlagTheNameWithoutItThePageRows)
{
    auto s = test::openDemoSession(GetParam());
    const auto layout = [&s](const char *style, bool useTemplate) {
        return ResolvePrintLayout(s->pub, QStringLiteral("GLMxz"), QString::fromUtf8(style), useTemplate);
    };
    EXPECT_EQ(layout("数量金额式", true).templateName, QStringLiteral("GLMxzSl"));
    EXPECT_TRUE(layout("数量金额式", true).pageFields.isEmpty());
    const PrintLayout amount = layout("金额式", false);
    EXPECT_EQ(amount.layoutId, 1);
    ASSERT_EQ(amount.pageFields.size(), 6);
    EXPECT_EQ(amount.pageFields[2], (PageLayoutField{3, 30, QStringLiteral("摘要"), 30}));
    EXPECT_EQ(layout("数量金额式", false).layoutId, 3);
    EXPECT_EQ(layout("数量金额式", false).pageFields.value(0).lines, 25);
    EXPECT_TRUE(layout("外币金额式", false).pageFields.isEmpty()) << "the foreign-currency style has no page layout";
}

INSTANTIATE_TEST_SUITE_P(Backends, ResolvePrintLayoutTest, test::allBackends(), test::backendTestName);

} // namespace
} // namespace qxmxz

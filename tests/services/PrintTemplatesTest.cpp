// Print templates of printEx: the title number, the head and tail paths under
// the login's language folder, "printdef", and a template that is missing.

#include "services/PrintTemplates.h"

#include <gtest/gtest.h>

#include "platform/outside/GlPublic.h"
#include "support/Printers.h"
#include "support/TestDatabases.h"
#include "support/TestSession.h"

namespace qxmxz {
namespace {

class PrintTemplates : public ::testing::TestWithParam<Backend> {};

TEST_P(PrintTemplates, PathsLieUnderTheLanguageFolder)
{
    auto english = test::openDemoSession(GetParam(), QStringLiteral("demo"), QStringLiteral("en-US"));
    QStringList description;
    ASSERT_TRUE(GetPrintTemplate(english->pub, QStringLiteral("GLMxzJe"), description));
    EXPECT_EQ(description, (QStringList{QStringLiteral("101"), QStringLiteral("GLRep\\en-US\\GLMxzJe.rep"),
                                        QStringLiteral("GLRep\\en-US\\GLMxzJe_tail.rep")}));
    EXPECT_TRUE(english->messages.messages().isEmpty());

    auto unset = test::openDemoSession(GetParam(), QStringLiteral("demo"), QString());
    ASSERT_TRUE(GetPrintTemplate(unset->pub, QStringLiteral("GLMxzJe"), description));
    EXPECT_EQ(description.value(1), QStringLiteral("GLRep\\zh-CN\\GLMxzJe.rep")) << "no language: the Chinese folder";
}

TEST_P(PrintTemplates, ANullTailIsAnEmptyPathAndTitleOneTheDefaultTemplates)
{
    auto s = test::openDemoSession(GetParam());
    QStringList description{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d")};
    ASSERT_TRUE(GetPrintTemplate(s->pub, QStringLiteral("GLMxzSl"), description));
    EXPECT_EQ(description, (QStringList{QStringLiteral("102"), QStringLiteral("GLRep\\zh-CN\\GLMxzSl.rep"), QString(),
                                        QStringLiteral("d")}));
    description.clear();
    ASSERT_TRUE(GetPrintTemplate(s->pub, QStringLiteral("GLXs"), description));
    EXPECT_EQ(description, (QStringList{QStringLiteral("1"), QStringLiteral("printdef"), QStringLiteral("printdef")}));
}

TEST_P(PrintTemplates, AMissingTemplateIsReportedAndLeavesTheDescription)
{
    auto s = test::openDemoSession(GetParam());
    for (const QString &code : {QStringLiteral("GLNone"), QStringLiteral("GLMxzJe' or '1'='1")}) {
        QStringList description{QStringLiteral("keep")};
        s->messages.clear();
        EXPECT_FALSE(GetPrintTemplate(s->pub, code, description));
        EXPECT_EQ(description, QStringList{QStringLiteral("keep")});
        ASSERT_EQ(s->messages.messages().size(), 1);
        const MessageBoxRequest &box = s->messages.messages().front();
        EXPECT_EQ(box.prompt, s->pub.text(QStringLiteral("R7.GL.QXMXZ.mxzdll.notfoundmodal"), {code}));
        EXPECT_EQ(box.title, s->pub.text(QStringLiteral("R7.GL.QXMXZ.mxzdll.notesinfo")));
        EXPECT_EQ(box.buttons, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Backends, PrintTemplates, test::bothBackends(), test::backendTestName);

} // namespace
} // namespace qxmxz

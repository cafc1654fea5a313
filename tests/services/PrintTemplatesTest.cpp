// Print templates of printEx: the title number, the head and tail paths under
// the login's language folder, "printdef", and a template that is missing.

#include "services/PrintTemplates.h"

#include <gtest/gtest.h>

#include "support/Printers.h"
#include "support/TestDatabases.h"
#include "support/TestSession.h"

namespace qxmxz {
namespace {

class PrintTemplates : public test::BackendTest {};

TEST_P(PrintTemplates, PathsLieUnderTheLanguageFolderANullTailIsEmptyAndAMissingTemplateIsReported)
{
    auto english = test::openDemoSession(GetParam(), QStringLiteral("demo"), QStringLiteral("en-US"));
    QStringList description;
    ASSERT_TRUE(GetPrintTemplate(english->pub, QStringLiteral("GLMxzJe"), description));
    EXPECT_EQ(description, (QStringList{QStringLiteral("101"), QStringLiteral("GLRep\\en-US\\GLMxzJe.rep"),
                                        QStringLiteral("GLRep\\en-US\\GLMxzJe_tail.rep")}));

    auto unset = test::openDemoSession(GetParam(), QStringLiteral("demo"), QString());
    description = QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d")};
    ASSERT_TRUE(GetPrintTemplate(unset->pub, QStringLiteral("GLMxzSl"), description));
    EXPECT_EQ(description, (QStringList{QStringLiteral("102"), QStringLiteral("GLRep\\zh-CN\\GLMxzSl.rep"), QString(),
                                        QStringLiteral("d")}))
        << "no language: the Chinese folder";
    description.clear();
    ASSERT_TRUE(GetPrintTemplate(unset->pub, QStringLiteral("GLXs"), description));
    EXPECT_EQ(description, (QStringList{QStringLiteral("1"), QStringLiteral("printdef"), QStringLiteral("printdef")}));
    EXPECT_TRUE(unset->messages.messages().isEmpty());

    // A missing template is reported and leaves the description.
    for (const QString &code : {QStringLiteral("GLNone"), QStringLiteral("GLMxzJe' or '1'='1")}) {
        description = QStringList{QStringLiteral("keep")};
        unset->messages.clear();
        EXPECT_FALSE(GetPrintTemplate(unset->pub, code, description));
        EXPECT_EQ(description, QStringList{QStringLiteral("keep")});
        ASSERT_EQ(unset->messages.messages().size(), 1);
        EXPECT_EQ(unset->messages.messages().front().prompt,
                  unset->pub.text(QStringLiteral("R7.GL.QXMXZ.mxzdll.notfoundmodal"), {code}));
    }
}

INSTANTIATE_TEST_SUITE_P(Backends, PrintTemplates, test::allBackends(), test::backendTestName);

} // namespace
} // namespace qxmxz

// Function rights: held directly or through a role, refused with the right's
// name, error 22 letting the operation go on, and the alternate subsystem.

#include "services/CheckRight.h"

#include <gtest/gtest.h>

#include "platform/outside/GlPublic.h"
#include "platform/outside/Login.h"
#include "platform/outside/QtStringPrinting.h"
#include "platform/sql/Connection.h"
#include "support/TestDatabases.h"
#include "support/TestSession.h"

namespace qxmxz {
namespace {

using test::TestSession;

class CheckRightTest : public ::testing::TestWithParam<Backend> {};

TEST_P(CheckRightTest, HeldRightsPassWithoutAMessage)
{
    for (const char *user : {"demo", "wang", "admin", "li"}) {
        auto s = test::openDemoSession(GetParam(), QString::fromLatin1(user));
        QString right = QStringLiteral("GL0305");
        EXPECT_TRUE(CheckRight(s->pub, right, true)) << user;
        EXPECT_EQ(right, QStringLiteral("GL0305"));
        EXPECT_TRUE(s->messages.messages().isEmpty()) << user;
    }
}

TEST_P(CheckRightTest, AMissingRightIsReportedWithItsNameUnderTheComponentTitle)
{
    auto s = test::openDemoSession(GetParam(), QStringLiteral("zhao"));
    QString right = QStringLiteral("GL0305");
    EXPECT_FALSE(CheckRight(s->pub, right, true));
    ASSERT_EQ(s->messages.messages().size(), 1);
    const MessageBoxRequest &box = s->messages.messages().front();
    EXPECT_EQ(box.prompt, s->pub.text(QStringLiteral("R7.GL.QXMXZ.mxzdll.youhavenotright"), {QStringLiteral("明细账")}));
    EXPECT_TRUE(box.prompt.contains(QStringLiteral("明细账"))) << box.prompt.toStdString();
    EXPECT_EQ(box.title, s->pub.text(QStringLiteral("R7.GL.QXMXZ.mxzdll.notesinfo")));
    EXPECT_EQ(box.buttons, 16);
    EXPECT_EQ(s->login->errorNumber(), 0) << "the login's error is cleared after a refusal";
    // zhao holds the general ledger.
    QString general = QStringLiteral("GL030101");
    EXPECT_TRUE(CheckRight(s->pub, general, true));
}

TEST_P(CheckRightTest, TheRefusalNamesTheRightInTheLoginLanguage)
{
    auto s = test::openDemoSession(GetParam(), QStringLiteral("zhao"), QStringLiteral("en-US"));
    QString right = QStringLiteral("GL0306");
    EXPECT_FALSE(CheckRight(s->pub, right, true));
    ASSERT_EQ(s->messages.messages().size(), 1);
    EXPECT_TRUE(s->messages.messages().front().prompt.contains(QLatin1String("Monthly comprehensive detail ledger")))
        << s->messages.messages().front().prompt.toStdString();
}

TEST_P(CheckRightTest, WithoutMessagesARefusalIsSilent)
{
    auto s = test::openDemoSession(GetParam(), QStringLiteral("zhao"));
    QString right = QStringLiteral("GL0305");
    EXPECT_FALSE(CheckRight(s->pub, right, false));
    EXPECT_TRUE(s->messages.messages().isEmpty());
    EXPECT_EQ(s->login->errorNumber(), 0);
}

TEST_P(CheckRightTest, TheAlternateSubsystemAsksForTheFRightAndRewritesTheCallersIdentifier)
{
    LoginRequest request;
    request.userId = QStringLiteral("demo");
    request.alternateSubsystem = true;
    auto login = Login::logIn(std::shared_ptr<Connection>(test::openDemo(GetParam())), request);
    GlPublic pub;
    RecordingMessageSink sink;
    pub.setMessageSink(&sink);
    pub.setLogin(login);

    QString right = QStringLiteral("GL0306");
    // The demo company keeps no "GF" rights: the rewritten right is refused by its own identifier.
    EXPECT_FALSE(CheckRight(pub, right, true));
    EXPECT_EQ(right, QStringLiteral("GF0306"));
    ASSERT_EQ(sink.messages().size(), 1);
    EXPECT_TRUE(sink.messages().front().prompt.contains(QLatin1String("GF0306"))) << sink.messages().front().prompt.toStdString();

    QString other = QStringLiteral("XL0306");
    CheckRight(pub, other, false);
    EXPECT_EQ(other, QStringLiteral("XL0306")) << "only GL identifiers are rewritten";
    QString lower = QStringLiteral("gl0306");
    CheckRight(pub, lower, false);
    EXPECT_EQ(lower, QStringLiteral("gl0306"));
}

TEST_P(CheckRightTest, AnAccountSetWithoutFunctionRightsLetsEveryOperationGoOn)
{
    auto s = test::openScratchDemoSession(GetParam(), QStringLiteral("zhao"));
    s->login->connection().execute(QStringLiteral("delete from ua_holdauth"));
    QString right = QStringLiteral("GL0305");
    EXPECT_TRUE(CheckRight(s->pub, right, true));
    EXPECT_TRUE(s->messages.messages().isEmpty());
    EXPECT_EQ(s->login->errorNumber(), 0) << "error 22 is cleared too";
}

INSTANTIATE_TEST_SUITE_P(Backends, CheckRightTest, test::bothBackends(), test::backendTestName);

TEST(AnswerRefusedRight, AnotherErrorShowsTheLoginsTextOrTheCannotExecuteMessage)
{
    GlPublic pub;
    EXPECT_FALSE(answerRefusedRight(pub, QStringLiteral("GL0305"), 7, QStringLiteral("  The licence has expired "), true));
    ASSERT_EQ(pub.recordedMessages().size(), 1);
    EXPECT_EQ(pub.recordedMessages().back().prompt, QStringLiteral("  The licence has expired "));
    EXPECT_EQ(pub.recordedMessages().back().title, pub.text(QStringLiteral("R7.GL.QXMXZ.mxzdll.notesinfo")));
    EXPECT_EQ(pub.recordedMessages().back().buttons, 16);

    EXPECT_FALSE(answerRefusedRight(pub, QStringLiteral("GL0305"), 7, QStringLiteral("   "), true));
    ASSERT_EQ(pub.recordedMessages().size(), 2);
    EXPECT_EQ(pub.recordedMessages().back().prompt,
              pub.text(QStringLiteral("R7.GL.QXMXZ.mxzdll.cannotexecute"), {pub.rightDisplayName(QStringLiteral("GL0305"))}));
    EXPECT_EQ(pub.recordedMessages().back().buttons, 16);

    EXPECT_FALSE(answerRefusedRight(pub, QStringLiteral("GL0305"), 7, QStringLiteral("text"), false));
    EXPECT_TRUE(answerRefusedRight(pub, QStringLiteral("GL0305"), 22, QString(), true));
    EXPECT_EQ(pub.recordedMessages().size(), 2);
}

} // namespace
} // namespace qxmxz

// Function rights: held directly or through a role, refused with the right's
// name, error 22 letting the operation go on, and the alternate subsystem.

#include "services/CheckRight.h"

#include <gtest/gtest.h>

#include "platform/outside/GlPublic.h"
#include "platform/outside/Login.h"
#include "support/Printers.h"
#include "platform/sql/Connection.h"
#include "support/TestDatabases.h"
#include "support/TestSession.h"

namespace qxmxz {
namespace {

using test::TestSession;

class CheckRightTest : public ::testing::TestWithParam<Backend> {};

TEST_P(CheckRightTest, RightsHeldDirectlyThroughARoleOrAsAdministratorPassSilently)
{
    for (const char *user : {"demo", "wang", "admin"}) {
        auto s = test::openDemoSession(GetParam(), QString::fromLatin1(user));
        QString right = QStringLiteral("GL0305");
        EXPECT_TRUE(CheckRight(s->pub, right, true)) << user;
        EXPECT_EQ(right, QStringLiteral("GL0305"));
        EXPECT_TRUE(s->messages.messages().isEmpty()) << user;
    }
}

TEST_P(CheckRightTest, AMissingRightIsRefusedWithItsNameUnderTheComponentTitle)
{
    auto s = test::openDemoSession(GetParam(), QStringLiteral("zhao"));
    QString right = QStringLiteral("GL0305");
    EXPECT_FALSE(CheckRight(s->pub, right, false));
    EXPECT_TRUE(s->messages.messages().isEmpty()) << "without messages a refusal is silent";
    EXPECT_FALSE(CheckRight(s->pub, right, true));
    ASSERT_EQ(s->messages.messages().size(), 1);
    const MessageBoxRequest &box = s->messages.messages().front();
    EXPECT_EQ(box.prompt, s->pub.text(QStringLiteral("R7.GL.QXMXZ.mxzdll.youhavenotright"), {QStringLiteral("明细账")}));
    EXPECT_TRUE(box.prompt.contains(QStringLiteral("明细账"))) << box.prompt.toStdString();
    EXPECT_EQ(box.title, s->pub.text(QStringLiteral("R7.GL.QXMXZ.mxzdll.notesinfo")));
    EXPECT_EQ(box.buttons, 16);
    EXPECT_EQ(s->login->errorNumber(), 0) << "the login's error is cleared after a refusal";
    QString general = QStringLiteral("GL030101");
    EXPECT_TRUE(CheckRight(s->pub, general, true)) << "zhao holds the general ledger";

    auto english = test::openDemoSession(GetParam(), QStringLiteral("zhao"), QStringLiteral("en-US"));
    QString monthly = QStringLiteral("GL0306");
    EXPECT_FALSE(CheckRight(english->pub, monthly, true));
    ASSERT_EQ(english->messages.messages().size(), 1);
    EXPECT_TRUE(english->messages.messages().front().prompt.contains(QLatin1String("Monthly comprehensive detail ledger")))
        << english->messages.messages().front().prompt.toStdString();
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

    for (const QString &other : {QStringLiteral("XL0306"), QStringLiteral("gl0306")}) {
        QString id = other;
        CheckRight(pub, id, false);
        EXPECT_EQ(id, other) << "only GL identifiers are rewritten";
    }
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
    EXPECT_FALSE(answerRefusedRight(pub, QStringLiteral("GL0305"), 7, QStringLiteral("   "), true));
    EXPECT_FALSE(answerRefusedRight(pub, QStringLiteral("GL0305"), 7, QStringLiteral("text"), false));
    EXPECT_TRUE(answerRefusedRight(pub, QStringLiteral("GL0305"), 22, QString(), true));
    const QList<MessageBoxRequest> boxes = pub.recordedMessages();
    ASSERT_EQ(boxes.size(), 2);
    EXPECT_EQ(boxes[0].prompt, QStringLiteral("  The licence has expired "));
    EXPECT_EQ(boxes[1].prompt,
              pub.text(QStringLiteral("R7.GL.QXMXZ.mxzdll.cannotexecute"), {pub.rightDisplayName(QStringLiteral("GL0305"))}));
    for (const MessageBoxRequest &box : boxes) {
        EXPECT_EQ(box.title, pub.text(QStringLiteral("R7.GL.QXMXZ.mxzdll.notesinfo")));
        EXPECT_EQ(box.buttons, 16);
    }
}

} // namespace
} // namespace qxmxz

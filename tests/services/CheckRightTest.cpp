// Function rights: held directly or through a role, refused with the right's
// name (error 20), error 22 letting the operation go on, and the alternate subsystem.

#include "services/CheckRight.h"

#include <gtest/gtest.h>

#include "platform/sql/Connection.h"
#include "support/Printers.h"
#include "support/TestDatabases.h"
#include "support/TestSession.h"

namespace qxmxz {
namespace {

class CheckRightTest : public test::BackendTest {};

TEST_P(CheckRightTest, RightsHeldDirectlyThroughARoleOrAsAdministratorPassSilently)
{
    for (const char *user : {"demo", "wang", "admin"}) {
        auto s = test::openDemoSession(GetParam(), QString::fromLatin1(user));
        QString right = QStringLiteral("GL0305");
        EXPECT_TRUE(CheckRight(s->pub, right, true)) << user;
        EXPECT_TRUE(s->messages.messages().isEmpty()) << user;
    }
}

TEST_P(CheckRightTest, AMissingRightIsRefusedWithItsNameUnlessTheAccountSetKeepsNoRights)
{
    auto s = test::openScratchDemoSession(GetParam(), QStringLiteral("zhao"));
    QString right = QStringLiteral("GL0305");
    EXPECT_FALSE(CheckRight(s->pub, right, false));
    EXPECT_TRUE(s->messages.messages().isEmpty()) << "without messages a refusal is silent";
    EXPECT_FALSE(CheckRight(s->pub, right, true));
    ASSERT_EQ(s->messages.messages().size(), 1);
    EXPECT_EQ(s->messages.messages().front().prompt,
              s->pub.text(QStringLiteral("R7.GL.QXMXZ.mxzdll.youhavenotright"), {QStringLiteral("明细账")}));
    EXPECT_EQ(s->login->errorNumber(), 0) << "the login's error (20) is cleared after a refusal";
    QString general = QStringLiteral("GL030101");
    EXPECT_TRUE(CheckRight(s->pub, general, true)) << "zhao holds the general ledger";

    // An account set without function rights (error 22) lets every operation go on.
    s->login->connection().execute(QStringLiteral("delete from ua_holdauth"));
    EXPECT_TRUE(CheckRight(s->pub, right, true));
    EXPECT_EQ(s->messages.messages().size(), 1);
    EXPECT_EQ(s->login->errorNumber(), 0) << "error 22 is cleared too";
}

TEST_P(CheckRightTest, AYearWithoutRightsRowsRefusesWhileAnotherYearKeepsThem)
{
    auto s = test::openScratchDemoSession(GetParam(), QStringLiteral("zhao"));
    QString right = QStringLiteral("GL0305");
    // The closed year keeps rows for some users only: zhao holds nothing there.
    auto closed = test::openSession(s->login->sharedConnection(), QStringLiteral("zhao"), QStringLiteral("zh-CN"), 2025);
    EXPECT_FALSE(CheckRight(closed->pub, right, false));
    QString general = QStringLiteral("GL030101");
    EXPECT_FALSE(CheckRight(closed->pub, general, false)) << "rights held in 2026 say nothing of 2025";

    // With no rows at all for the closed year, the rows of the current year
    // still say the account set keeps rights: nothing is granted.
    s->login->connection().execute(QStringLiteral("delete from ua_holdauth where iYear = 2025"));
    EXPECT_FALSE(CheckRight(closed->pub, right, false));
    EXPECT_FALSE(CheckRight(closed->pub, general, false));
    bool held = true;
    closed->login->checkRight(QStringLiteral("GL0305"), false, 0, held);
    EXPECT_FALSE(held);
    EXPECT_EQ(closed->login->errorNumber(), Login::NoRight);
}

TEST_P(CheckRightTest, TheAlternateSubsystemAsksForTheFRightAndRewritesTheCallersIdentifier)
{
    LoginRequest request;
    request.userId = QStringLiteral("demo");
    request.alternateSubsystem = true;
    GlPublic pub;
    pub.setLogin(Login::logIn(std::shared_ptr<Connection>(test::openDemo(GetParam())), request));
    // The demo company keeps no "GF" rights: the rewritten right is refused.
    QString right = QStringLiteral("GL0306");
    EXPECT_FALSE(CheckRight(pub, right, false));
    EXPECT_EQ(right, QStringLiteral("GF0306"));
    for (const QString &other : {QStringLiteral("XL0306"), QStringLiteral("gl0306")}) {
        QString id = other;
        CheckRight(pub, id, false);
        EXPECT_EQ(id, other) << "only GL identifiers are rewritten";
    }
}

INSTANTIATE_TEST_SUITE_P(Backends, CheckRightTest, test::allBackends(), test::backendTestName);

TEST(AnswerRefusedRight, AnotherErrorShowsTheLoginsTextOrTheCannotExecuteMessage)
{
    GlPublic pub;
    EXPECT_FALSE(answerRefusedRight(pub, QStringLiteral("GL0305"), 7, QStringLiteral("  The licence has expired "), true));
    EXPECT_FALSE(answerRefusedRight(pub, QStringLiteral("GL0305"), 7, QStringLiteral("   "), true));
    const QList<MessageBoxRequest> boxes = pub.recordedMessages();
    ASSERT_EQ(boxes.size(), 2);
    EXPECT_EQ(boxes[0].prompt, QStringLiteral("  The licence has expired "));
    EXPECT_EQ(boxes[1].prompt,
              pub.text(QStringLiteral("R7.GL.QXMXZ.mxzdll.cannotexecute"), {pub.rightDisplayName(QStringLiteral("GL0305"))}));
}

} // namespace
} // namespace qxmxz

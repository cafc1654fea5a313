// The command line refuses what the user may not see: the function right of
// the window each command stands for, and the accounts it shows.

#include <gtest/gtest.h>

#include "platform/outside/QtStringPrinting.h"
#include "platform/outside/ResourceTexts.h"
#include "qxmxz/CommandLine.h"
#include "support/TestDatabases.h"

using namespace qxmxz;

namespace {

struct CommandRun {
    int code;
    QString out;
    QString err;
};

class CommandRights : public ::testing::TestWithParam<Backend> {
protected:
    CommandRun run(const char *user, QStringList arguments, const QString &language = QStringLiteral("zh-CN"))
    {
        arguments = QStringList{QStringLiteral("--db"), test::demoUrl(GetParam()), QStringLiteral("--user"),
                                QString::fromLatin1(user), QStringLiteral("--lang"), language}
                    + arguments + QStringList{QStringLiteral("--from"), QStringLiteral("3"), QStringLiteral("--to"),
                                              QStringLiteral("3"), QStringLiteral("--format"), QStringLiteral("csv")};
        QString out, err;
        QTextStream outStream(&out), errStream(&err);
        const int code = cli::runCommandLine(arguments, outStream, errStream);
        outStream.flush();
        errStream.flush();
        return {code, out, err};
    }

    static QString text(const char *key, const QStringList &arguments = {},
                        const QString &language = QStringLiteral("zh-CN"))
    {
        return ResourceTexts::forLanguage(language).text(QString::fromLatin1(key), arguments);
    }
    static QString refusal(const char *rightName, const QString &language = QStringLiteral("zh-CN"))
    {
        return text("R7.GL.QXMXZ.mxzdll.notesinfo", {}, language) + QStringLiteral(": ")
               + text("R7.GL.QXMXZ.mxzdll.youhavenotright", {QString::fromUtf8(rightName)}, language);
    }
    static QString noAccount(const char *titleKey, const QString &code)
    {
        return text(titleKey) + QStringLiteral(": ") + text("R7.GL.QXMXZ.mxzdll.operatornoright", {code});
    }
};

const QStringList detail1001{QStringLiteral("detail"), QStringLiteral("1001")};

TEST_P(CommandRights, UsersWithTheRightSeeTheirLedgers)
{
    for (const char *user : {"demo", "wang", "admin", "li"}) {
        const CommandRun r = run(user, detail1001);
        EXPECT_EQ(r.code, 0) << user << ": " << r.err.toStdString();
        EXPECT_FALSE(r.out.isEmpty()) << user;
    }
}

TEST_P(CommandRights, AUserWithoutTheDetailLedgerRightIsRefusedByTheRightsName)
{
    CommandRun r = run("zhao", detail1001);
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_TRUE(r.err.contains(refusal("明细账"))) << r.err.toStdString();

    r = run("zhao", detail1001, QStringLiteral("en-US"));
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.contains(refusal("Detail ledger", QStringLiteral("en-US")))) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QLatin1String("Detail ledger"))) << r.err.toStdString();

    r = run("zhao", {QStringLiteral("monthly"), QStringLiteral("1001")});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.contains(refusal("月份综合明细账"))) << r.err.toStdString();

    r = run("zhao", {QStringLiteral("merged"), QStringLiteral("1002"), QStringLiteral("--by"), QStringLiteral("code")});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.contains(refusal("明细账"))) << r.err.toStdString();
}

TEST_P(CommandRights, TheGeneralLedgerHasARightOfItsOwn)
{
    const CommandRun r = run("zhao", {QStringLiteral("general"), QStringLiteral("1002")});
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_FALSE(r.out.isEmpty());
}

TEST_P(CommandRights, AnAccountOutsideTheUsersDataRightsIsRefused)
{
    CommandRun r = run("li", {QStringLiteral("detail"), QStringLiteral("1122")});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_TRUE(r.err.contains(noAccount("R7.GL.QXMXZ.mxzcond.notesinfo", QStringLiteral("1122")))) << r.err.toStdString();

    r = run("li", {QStringLiteral("monthly"), QStringLiteral("1001"), QStringLiteral("1122")});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.contains(noAccount("R7.GL.QXMXZ.mxzcond.notesinfo", QStringLiteral("1122")))) << r.err.toStdString();
    r = run("li", {QStringLiteral("monthly"), QStringLiteral("1001"), QStringLiteral("1002")});
    EXPECT_EQ(r.code, 0) << r.err.toStdString();

    r = run("li", {QStringLiteral("merged"), QStringLiteral("1122"), QStringLiteral("--by"), QStringLiteral("code")});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.contains(noAccount("R7.GL.QXMXZ.mxzcond.notesinfo", QStringLiteral("1122")))) << r.err.toStdString();

    r = run("li", {QStringLiteral("general"), QStringLiteral("1122")});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.contains(noAccount("R7.GL.QXMXZ.zzmain.notesinfo", QStringLiteral("1122")))) << r.err.toStdString();
    r = run("li", {QStringLiteral("general"), QStringLiteral("1002")});
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
}

TEST_P(CommandRights, AnExemptUserAndAnUnrestrictedOneReadEveryAccount)
{
    for (const char *user : {"qian", "sun", "demo"}) {
        const CommandRun r = run(user, {QStringLiteral("detail"), QStringLiteral("1122")});
        EXPECT_EQ(r.code, 0) << user << ": " << r.err.toStdString();
    }
}

TEST_P(CommandRights, ACraftedAccountIsRefusedBeforeAnyLedger)
{
    for (const QString &code : {QStringLiteral("1001' or '1'='1"), QStringLiteral("1%"), QStringLiteral("1_22")}) {
        const CommandRun r = run("li", {QStringLiteral("detail"), code});
        EXPECT_NE(r.code, 0) << code.toStdString();
        EXPECT_TRUE(r.out.isEmpty()) << code.toStdString();
    }
}

TEST_P(CommandRights, AnUnknownUserIsRefused)
{
    const CommandRun r = run("nobody", detail1001);
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_TRUE(r.err.contains(text("QXMXZ.cli.unknownuser", {QStringLiteral("nobody")}))) << r.err.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Backends, CommandRights, test::bothBackends(), test::backendTestName);

} // namespace

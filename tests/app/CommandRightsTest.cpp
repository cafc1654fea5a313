// The command line refuses what the user may not see: the function right of
// the window each command stands for, and the accounts it shows.

#include <gtest/gtest.h>

#include "CommandRun.h"
#include "support/Printers.h"
#include "platform/outside/ResourceTexts.h"

using namespace qxmxz;

namespace {

QString text(const char *key, const QStringList &arguments = {}, const QString &language = QStringLiteral("zh-CN"))
{
    return ResourceTexts::forLanguage(language).text(QString::fromLatin1(key), arguments);
}

QString noRight(const char *rightName, const QString &language = QStringLiteral("zh-CN"))
{
    return text("R7.GL.QXMXZ.mxzdll.notesinfo", {}, language) + QStringLiteral(": ")
           + text("R7.GL.QXMXZ.mxzdll.youhavenotright", {QString::fromUtf8(rightName)}, language);
}

QString noAccount(const char *titleKey)
{
    return text(titleKey) + QStringLiteral(": ") + text("R7.GL.QXMXZ.mxzdll.operatornoright", {QStringLiteral("1122")});
}

QString noDepartment(const char *titleKey, const char *department)
{
    return text(titleKey) + QStringLiteral(": ")
           + text("R7.GL.QXMXZ.mxzdll.operatornodepright", {QString::fromUtf8(department)});
}

class CommandRights : public test::BackendTest {
protected:
    test::CommandRun run(const char *user, const QStringList &command, const QString &language = QStringLiteral("zh-CN"))
    {
        return test::runOnDemo(GetParam(), QStringList{QStringLiteral("--user"), QString::fromLatin1(user), QStringLiteral("--lang"), language}
                                               + command
                                               + QStringList{QStringLiteral("--from"), QStringLiteral("3"), QStringLiteral("--to"),
                                                             QStringLiteral("3"), QStringLiteral("--format"), QStringLiteral("csv")});
    }
};

TEST_P(CommandRights, EachCommandChecksTheWindowsRightAndTheAccountsDataRight)
{
    const QString en = QStringLiteral("en-US");
    struct Case {
        const char *user;
        QString command;
        QString refusal; // empty: the ledger is shown
        QString language = QStringLiteral("zh-CN");
    };
    const QList<Case> cases{
        // demo, wang and admin hold every right; li reads some accounts, qian
        // is exempt from data rights, sun unrestricted; zhao holds only the
        // general ledger.
        {"demo", QStringLiteral("detail 1122"), {}},
        {"wang", QStringLiteral("detail 1001"), {}},
        {"admin", QStringLiteral("detail 1001"), {}},
        {"li", QStringLiteral("detail 1001"), {}},
        {"li", QStringLiteral("monthly 1001 1002"), {}},
        {"li", QStringLiteral("general 1002"), {}},
        {"qian", QStringLiteral("detail 1122"), {}},
        {"sun", QStringLiteral("detail 1122"), {}},
        {"zhao", QStringLiteral("general 1002"), {}},
        {"zhao", QStringLiteral("detail 1001"), noRight("明细账")},
        {"zhao", QStringLiteral("detail 1001"), noRight("Detail ledger", en), en},
        {"zhao", QStringLiteral("monthly 1001"), noRight("月份综合明细账")},
        {"zhao", QStringLiteral("merged 1002 --by code"), noRight("明细账")},
        {"li", QStringLiteral("detail 1122"), noAccount("R7.GL.QXMXZ.mxzcond.notesinfo")},
        {"li", QStringLiteral("monthly 1001 1122"), noAccount("R7.GL.QXMXZ.mxzcond.notesinfo")},
        {"li", QStringLiteral("merged 1122 --by code"), noAccount("R7.GL.QXMXZ.mxzcond.notesinfo")},
        {"li", QStringLiteral("general 1122"), noAccount("R7.GL.QXMXZ.zzmain.notesinfo")},
        // sun reads departments 01, 03 and 0301 only: a ledger with lines of another is refused whole.
        {"sun", QStringLiteral("detail 660201"), {}},
        {"sun", QStringLiteral("detail 6602"), noDepartment("R7.GL.QXMXZ.mxzcond.notesinfo", "财务部")},
        {"sun", QStringLiteral("monthly 6601 660201"), noDepartment("R7.GL.QXMXZ.mxzcond.notesinfo", "国际销售部")},
        {"sun", QStringLiteral("general 6601"), noDepartment("R7.GL.QXMXZ.zzmain.notesinfo", "国际销售部")},
        {"sun", QStringLiteral("merged 660202 --by code"), noDepartment("R7.GL.QXMXZ.mxzcond.notesinfo", "财务部")},
        {"demo", QStringLiteral("detail 6602"), {}},
        {"nobody", QStringLiteral("detail 1001"), text("QXMXZ.cli.unknownuser", {QStringLiteral("nobody")})},
    };
    for (const Case &c : cases) {
        const test::CommandRun r = run(c.user, c.command.split(u' '), c.language);
        SCOPED_TRACE(std::string(c.user) + ": " + c.command.toStdString() + " → " + r.err.toStdString());
        EXPECT_EQ(r.code, c.refusal.isEmpty() ? 0 : 1);
        EXPECT_EQ(r.out.isEmpty(), !c.refusal.isEmpty());
        if (!c.refusal.isEmpty()) {
            EXPECT_TRUE(r.err.contains(c.refusal)) << c.refusal.toStdString();
        }
    }
}

TEST_P(CommandRights, TheChartShowsFiguresOnlyOfAccountsTheUserMayRead)
{
    auto row = [](const QString &csv, const QString &code) {
        for (const QString &line : csv.split(u'\n'))
            if (line.startsWith(code + u','))
                return line.split(u',');
        return QStringList();
    };
    const test::CommandRun restricted = test::runOnDemo(
        GetParam(), {QStringLiteral("--user"), QStringLiteral("li"), QStringLiteral("accounts"), QStringLiteral("--format"),
                     QStringLiteral("csv")});
    const test::CommandRun free = test::runOnDemo(
        GetParam(), {QStringLiteral("--user"), QStringLiteral("demo"), QStringLiteral("accounts"), QStringLiteral("--format"),
                     QStringLiteral("csv")});
    ASSERT_EQ(restricted.code, 0) << restricted.err.toStdString();
    ASSERT_EQ(free.code, 0);
    EXPECT_EQ(restricted.out.count(u'\n'), free.out.count(u'\n')) << "every account is listed";

    // li may not read 1122: its name stays, its direction and opening are blank.
    const QStringList hidden = row(restricted.out, QStringLiteral("1122"));
    ASSERT_GE(hidden.size(), 8);
    EXPECT_EQ(hidden[1], row(free.out, QStringLiteral("1122"))[1]);
    EXPECT_TRUE(hidden[6].isEmpty() && hidden.last().trimmed().isEmpty()) << hidden.join(u',').toStdString();
    EXPECT_FALSE(row(free.out, QStringLiteral("1122")).last().trimmed().isEmpty());
    // What li reads keeps its figures.
    EXPECT_EQ(row(restricted.out, QStringLiteral("1002")), row(free.out, QStringLiteral("1002")));
    EXPECT_EQ(row(restricted.out, QStringLiteral("100201")), row(free.out, QStringLiteral("100201")));
}

TEST_P(CommandRights, ACraftedAccountNeverWidensTheDataRight)
{
    for (const char *code : {"1001' or '1'='1", "1%", "1_22"}) {
        const test::CommandRun r = run("li", {QStringLiteral("detail"), QString::fromLatin1(code)});
        EXPECT_NE(r.code, 0) << code;
        EXPECT_TRUE(r.out.isEmpty()) << code;
    }
}

INSTANTIATE_TEST_SUITE_P(Backends, CommandRights, test::allBackends(), test::backendTestName);

} // namespace

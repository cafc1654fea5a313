// Every argument of the command line is used or refused: each refused command
// line below is given with the exit code and the first line of its message.
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "CommandRun.h"

using namespace qxmxz;
using test::CommandRun;

namespace {

CommandRun runEnglish(const QStringList &arguments)
{
    return test::runOnDemo(Backend::Sqlite, QStringList{QStringLiteral("--lang"), QStringLiteral("en-US")} + arguments);
}

QStringList words(const char *line)
{
    return QString::fromUtf8(line).split(u' ', Qt::SkipEmptyParts);
}

QString firstLine(const QString &text)
{
    return text.section(u'\n', 0, 0);
}

} // namespace

TEST(CommandArguments, EveryArgumentACommandDoesNotUseIsRefusedByName)
{
    struct Case {
        const char *line;
        int code;
        const char *message;
    };
    const Case cases[] = {
        {"-o x.csv detail 1002", 2, "Unknown option: -o"},
        {"detail 1002 -f csv", 2, "Unknown option: -f"},
        {"detail 1002 -zzz", 2, "Unknown option: -zzz"},
        {"monthly 100201 100202 100203", 2, "Unexpected argument: 100203 (monthly takes no more)"},
        {"detail 1002 --counterpart names", 1, "Account names does not exist."},
        {"detail 1002 --counterpart=foo", 2, "Invalid value for --counterpart: foo (valid: names)"},
        {"--lang fr accounts", 2, "Invalid value for --lang: fr (valid: zh-CN, en-US)"},
        {"detail 1002 --style wide", 2, "Invalid value for --style: wide (valid: je, sl, wb, slwb)"},
        {"detail 1002 --format xml", 2, "Invalid value for --format: xml (valid: table, csv, json)"},
        {"general 1002 --by period", 2,
         "The option --by does not apply to general, which takes --db, --user, --year, --lang, --help, --from, --to, "
         "--unposted, --style, --format, --out, --timings, --raw"},
        {"accounts --style wb", 2, "The option --style does not apply to accounts, which takes --db, --user, --year, --lang, --help, --format, --out"},
        {"calendar --from 3", 2, "The option --from does not apply to calendar, which takes --db, --user, --year, --lang, --help, --format, --out"},
        {"calendar 2026", 2, "Unexpected argument: 2026 (calendar takes no more)"},
        {"detail", 2, "Missing argument: ACCOUNT (for detail)"},
        {"detial 1002", 2, "Unknown command: detial. Did you mean detail?"},
        {"frobnicate", 2, "Unknown command: frobnicate. Commands: detail, monthly, merged, general, balance, calendar, accounts, make-demo, help"},
        {"help nosuch", 2, "Unknown command: nosuch. Commands: detail, monthly, merged, general, balance, calendar, accounts, make-demo, help"},
        {"detail 1001 --from 2026-03-15 --to 2026-03-16", 1,
         "--from takes whole periods: 2026-03-15 lies inside period 2026.03; give the period (2026.03) or its boundary day 2026-03-01."},
        {"detail 1001 --to 2026-03-16", 1,
         "--to takes whole periods: 2026-03-16 lies inside period 2026.03; give the period (2026.03) or its boundary day 2026-03-31."},
    };
    for (const Case &c : cases) {
        const CommandRun r = runEnglish(words(c.line));
        EXPECT_EQ(r.code, c.code) << c.line << ": " << r.err.toStdString();
        EXPECT_EQ(firstLine(r.err), QString::fromUtf8(c.message)) << c.line;
        EXPECT_TRUE(r.out.isEmpty()) << c.line << " wrote " << r.out.toStdString();
    }
}

TEST(CommandArguments, UsageErrorsPointToTheHelpAndAreSaidInChinese)
{
    const CommandRun r = test::runOnDemo(Backend::Sqlite, {QStringLiteral("--lang"), QStringLiteral("zh-CN"), QStringLiteral("detail")});
    EXPECT_EQ(r.code, 2);
    EXPECT_EQ(firstLine(r.err), QStringLiteral("缺少参数：科目（命令 detail 需要）"));
    EXPECT_TRUE(r.err.contains(QStringLiteral("qxmxz help"))) << r.err.toStdString();
    EXPECT_FALSE(r.err.contains(QStringLiteral("ACCOUNT")));
}

TEST(CommandArguments, WithoutLangTheLocaleOfTheEnvironmentChoosesTheLanguage)
{
    const QByteArray saved = qgetenv("LC_ALL");
    qputenv("LC_ALL", "en_US.UTF-8");
    const CommandRun english = test::runOnDemo(Backend::Sqlite, {QStringLiteral("detail")});
    qputenv("LC_ALL", "zh_CN.UTF-8");
    const CommandRun chinese = test::runOnDemo(Backend::Sqlite, {QStringLiteral("detail")});
    const CommandRun chosen = test::runOnDemo(Backend::Sqlite, {QStringLiteral("--lang"), QStringLiteral("en-US"), QStringLiteral("detail")});
    if (saved.isNull())
        qunsetenv("LC_ALL");
    else
        qputenv("LC_ALL", saved);
    EXPECT_EQ(firstLine(english.err), QStringLiteral("Missing argument: ACCOUNT (for detail)"));
    EXPECT_EQ(firstLine(chinese.err), QStringLiteral("缺少参数：科目（命令 detail 需要）"));
    EXPECT_EQ(firstLine(chosen.err), firstLine(english.err)) << "--lang comes before the locale";
}

TEST(CommandArguments, HelpIsThereForEveryCommandInEveryWayOfAsking)
{
    for (const char *command : {"detail", "monthly", "merged", "general", "balance", "calendar", "accounts", "make-demo", "help"}) {
        const QString name = QString::fromLatin1(command);
        const CommandRun asked = runEnglish({QStringLiteral("help"), name});
        ASSERT_EQ(asked.code, 0) << command << asked.err.toStdString();
        EXPECT_TRUE(asked.out.startsWith(QStringLiteral("Usage: qxmxz ") + name)) << asked.out.toStdString();
        EXPECT_TRUE(asked.out.contains(QStringLiteral("Example:\n  qxmxz ") + name)) << asked.out.toStdString();
        for (const char *flag : {"--help", "-h"}) {
            const CommandRun other = runEnglish({name, QString::fromLatin1(flag)});
            EXPECT_EQ(other.code, 0) << command << flag;
            EXPECT_EQ(other.out, asked.out) << command << flag;
        }
    }
    const CommandRun general = runEnglish({QStringLiteral("--help")});
    EXPECT_EQ(general.code, 0);
    EXPECT_TRUE(general.out.startsWith(QStringLiteral("Usage: qxmxz")));
    const CommandRun none = runEnglish({});
    EXPECT_EQ(none.code, 2);
    EXPECT_TRUE(none.out.isEmpty()) << "usage after a mistake belongs on stderr";
    EXPECT_TRUE(none.err.startsWith(QStringLiteral("Usage: qxmxz")));
    const CommandRun version = runEnglish({QStringLiteral("--version")});
    EXPECT_EQ(version.code, 0);
    EXPECT_TRUE(version.out.startsWith(QStringLiteral("qxmxz 1."))) << version.out.toStdString();
}

TEST(CommandArguments, APlainDatabasePathIsAnSqliteFileAndOtherPathsAreNamed)
{
    const QString url = test::demoUrl(Backend::Sqlite);
    ASSERT_TRUE(url.startsWith(QStringLiteral("sqlite:")));
    const QString path = url.mid(7);
    auto run = [](const QString &db) {
        QString out, err;
        QTextStream o(&out), e(&err);
        const int code = cli::runCommandLine({QStringLiteral("--lang"), QStringLiteral("en-US"), QStringLiteral("--db"), db,
                                              QStringLiteral("general"), QStringLiteral("1001"), QStringLiteral("--format"),
                                              QStringLiteral("csv")},
                                             o, e);
        o.flush();
        e.flush();
        return CommandRun{code, out, err};
    };
    const CommandRun plain = run(path);
    const CommandRun prefixed = run(url);
    ASSERT_EQ(plain.code, 0) << plain.err.toStdString();
    EXPECT_EQ(plain.out, prefixed.out);

    QTemporaryDir folder;
    const CommandRun directory = run(folder.path());
    EXPECT_EQ(directory.code, 1);
    EXPECT_EQ(firstLine(directory.err), folder.path() + QStringLiteral(" is a folder, not a database file."));

    const QString text = folder.filePath(QStringLiteral("notes.db"));
    QFile file(text);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("these are notes, not tables\n");
    file.close();
    const CommandRun notDatabase = run(text);
    EXPECT_EQ(notDatabase.code, 1);
    EXPECT_EQ(firstLine(notDatabase.err), text + QStringLiteral(" is not an SQLite database."));

    const QString missing = folder.filePath(QStringLiteral("missing.db"));
    const CommandRun absent = run(missing);
    EXPECT_EQ(absent.code, 1);
    EXPECT_TRUE(absent.err.startsWith(QStringLiteral("There is no database file ") + missing)) << absent.err.toStdString();
    EXPECT_FALSE(QFile::exists(missing)) << "a mistyped name must not leave an empty database behind";
}

TEST(CommandArguments, TheOutputSuffixChoosesTheFormatAndADashIsTheScreen)
{
    QTemporaryDir folder;
    const QString csv = folder.filePath(QStringLiteral("calendar.csv"));
    const QString json = folder.filePath(QStringLiteral("calendar.json"));
    ASSERT_EQ(runEnglish({QStringLiteral("calendar"), QStringLiteral("--out"), csv}).code, 0);
    ASSERT_EQ(runEnglish({QStringLiteral("calendar"), QStringLiteral("--out"), json}).code, 0);
    const CommandRun csvOnScreen = runEnglish({QStringLiteral("calendar"), QStringLiteral("--format"), QStringLiteral("csv")});
    const CommandRun jsonOnScreen = runEnglish({QStringLiteral("calendar"), QStringLiteral("--out"), QStringLiteral("-"),
                                                QStringLiteral("--format"), QStringLiteral("json")});
    QFile csvFile(csv), jsonFile(json);
    ASSERT_TRUE(csvFile.open(QIODevice::ReadOnly));
    ASSERT_TRUE(jsonFile.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(csvFile.readAll()), csvOnScreen.out);
    EXPECT_EQ(QString::fromUtf8(jsonFile.readAll()), jsonOnScreen.out);
    EXPECT_TRUE(jsonOnScreen.out.startsWith(u'[')) << jsonOnScreen.out.toStdString();
    EXPECT_FALSE(QFile::exists(folder.filePath(QStringLiteral("-"))));
}

TEST(CommandArguments, PeriodsReadAsYearDashMonthAndBoundaryDaysAsTheirPeriods)
{
    const QStringList base{QStringLiteral("detail"), QStringLiteral("1001"), QStringLiteral("--format"), QStringLiteral("csv")};
    const CommandRun byNumber = runEnglish(base + QStringList{QStringLiteral("--from"), QStringLiteral("3"), QStringLiteral("--to"), QStringLiteral("3")});
    const CommandRun byMonth = runEnglish(base + QStringList{QStringLiteral("--from"), QStringLiteral("2026-03"), QStringLiteral("--to"), QStringLiteral("2026-3")});
    const CommandRun byDays = runEnglish(base + QStringList{QStringLiteral("--from"), QStringLiteral("2026-03-01"), QStringLiteral("--to"), QStringLiteral("2026-03-31")});
    ASSERT_EQ(byNumber.code, 0) << byNumber.err.toStdString();
    EXPECT_EQ(byMonth.out, byNumber.out) << byMonth.err.toStdString();
    EXPECT_EQ(byDays.out, byNumber.out) << byDays.err.toStdString();
    const CommandRun whole = runEnglish(base);
    EXPECT_NE(whole.out, byNumber.out);
}

TEST(CommandArguments, AnEmptyLedgerSaysSoAndTheEnglishGeneralLedgerHasNoChineseDirections)
{
    const CommandRun empty = runEnglish({QStringLiteral("detail"), QStringLiteral("4103"), QStringLiteral("--from"), QStringLiteral("2"),
                                         QStringLiteral("--to"), QStringLiteral("2")});
    EXPECT_EQ(empty.code, 0);
    EXPECT_EQ(firstLine(empty.err), QStringLiteral("Account 4103 has no lines in periods 2 to 2."));
    const CommandRun busy = runEnglish({QStringLiteral("detail"), QStringLiteral("1001"), QStringLiteral("--to"), QStringLiteral("1")});
    EXPECT_TRUE(busy.err.isEmpty()) << busy.err.toStdString();

    const CommandRun general = runEnglish({QStringLiteral("general"), QStringLiteral("1002")});
    ASSERT_EQ(general.code, 0);
    for (const QString &word : {QStringLiteral("借"), QStringLiteral("贷"), QStringLiteral("平")})
        EXPECT_FALSE(general.out.contains(word)) << general.out.toStdString();
    EXPECT_TRUE(general.out.contains(QStringLiteral("Dr")));
}

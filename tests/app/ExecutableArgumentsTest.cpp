// The tool as a user starts it: arguments that look like the application
// framework's own options (--style) still reach the command line.
#include <gtest/gtest.h>

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

TEST(Executable, TheBookStyleReachesTheLedgerOfTheProgramStartedByItself)
{
    QTemporaryDir home;
    QProcess tool;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QXMXZ_DEMO_DB"), home.filePath(QStringLiteral("demo.db")));
    tool.setProcessEnvironment(environment);
    tool.start(QStringLiteral(QXMXZ_TOOL), {QStringLiteral("--lang"), QStringLiteral("en-US"), QStringLiteral("detail"),
                                            QStringLiteral("100202"), QStringLiteral("--style"), QStringLiteral("wb"),
                                            QStringLiteral("--format"), QStringLiteral("csv")});
    ASSERT_TRUE(tool.waitForFinished(120000));
    ASSERT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();
    const QString heading = QString::fromUtf8(tool.readAllStandardOutput()).section(u'\n', 0, 0);
    EXPECT_TRUE(heading.contains(QStringLiteral("Foreign"))) << heading.toStdString();
}

// On a terminal the progress line counts the ledger's rows against the
// voucher lines of the run; `script` gives the tool a terminal of its own.
TEST(Executable, OnATerminalTheProgressCountsTheLinesOfTheAccount)
{
    if (QStandardPaths::findExecutable(QStringLiteral("script")).isEmpty())
        GTEST_SKIP() << "no script(1) to give the tool a terminal";
    QTemporaryDir home;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QXMXZ_DEMO_DB"), home.filePath(QStringLiteral("demo.db")));
    const QStringList ledger{QStringLiteral("--lang"), QStringLiteral("en-US"), QStringLiteral("detail"),
                             QStringLiteral("1122"), QStringLiteral("--to"), QStringLiteral("3")};

    QProcess json;
    json.setProcessEnvironment(environment);
    json.start(QStringLiteral(QXMXZ_TOOL), ledger + QStringList{QStringLiteral("--format"), QStringLiteral("json")});
    ASSERT_TRUE(json.waitForFinished(120000));
    const QString rows = QString::fromUtf8(json.readAllStandardOutput());
    const qsizetype lines = rows.count(QStringLiteral("{\"kind\":\"line\""));
    ASSERT_GT(lines, 10);

    QProcess terminal;
    terminal.setProcessEnvironment(environment);
    terminal.start(QStringLiteral("script"), {QStringLiteral("-qec"),
                                              QStringLiteral(QXMXZ_TOOL " ") + ledger.join(u' ')
                                                  + QStringLiteral(" --format csv --out /dev/null"),
                                              QStringLiteral("/dev/null")});
    ASSERT_TRUE(terminal.waitForFinished(120000));
    const QString shown = QString::fromUtf8(terminal.readAllStandardOutput());
    EXPECT_EQ(terminal.exitCode(), 0) << shown.toStdString();
    EXPECT_TRUE(shown.contains(QStringLiteral(" of %1 lines shown").arg(lines))) << shown.toStdString();
}

// The tool as a user starts it: arguments that look like the application
// framework's own options (--style) still reach the command line.
#include <gtest/gtest.h>

#include <QProcess>
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

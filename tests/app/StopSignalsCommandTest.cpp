// Stopping the tool while it writes a file: Ctrl+C or SIGTERM ends it with a
// message and leaves neither the file nor its partial copy behind.
#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <csignal>

#include "support/TestDatabases.h"

using namespace qxmxz;
using namespace qxmxz::test;

namespace {

struct StoppedRun {
    int exitCode = -1;
    QProcess::ExitStatus status = QProcess::CrashExit;
    QString errors;
    bool sawPartialFile = false;
    QStringList leftBehind;
};

// Starts the month-by-month ledger of every account into `name`, waits until
// the partial file beside it exists, then sends `signal`.
StoppedRun stopWhileWriting(const QString &format, int signal)
{
    QTemporaryDir folder;
    QProcess tool;
    tool.start(QStringLiteral(QXMXZ_TOOL),
               {QStringLiteral("--lang"), QStringLiteral("en-US"), QStringLiteral("--db"), generatedUrl(Backend::Sqlite, 200000),
                QStringLiteral("monthly"), QStringLiteral("1001"), QStringLiteral("6711"), QStringLiteral("--format"), format,
                QStringLiteral("--out"), folder.filePath(QStringLiteral("ledger.") + format)});
    StoppedRun run;
    if (!tool.waitForStarted())
        return run;
    const QDir dir(folder.path());
    while (tool.state() == QProcess::Running && !run.sawPartialFile) {
        run.sawPartialFile = !dir.entryList({QStringLiteral(".qxmxz-*.part")}, QDir::Files | QDir::Hidden).isEmpty();
        if (!run.sawPartialFile)
            QThread::msleep(20);
    }
    if (run.sawPartialFile)
        ::kill(pid_t(tool.processId()), signal);
    tool.waitForFinished(120000);
    run.exitCode = tool.exitCode();
    run.status = tool.exitStatus();
    run.errors = QString::fromUtf8(tool.readAllStandardError());
    run.leftBehind = dir.entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
    return run;
}

} // namespace

TEST(StopSignals, CtrlCOrTermWhileWritingEndsTheRunWithAMessageAndNoFile)
{
    for (const auto &[format, signal] : {std::pair{QStringLiteral("xlsx"), SIGINT}, std::pair{QStringLiteral("pdf"), SIGTERM}}) {
        SCOPED_TRACE(format.toStdString());
        const StoppedRun run = stopWhileWriting(format, signal);
        ASSERT_TRUE(run.sawPartialFile) << "the run ended before it began to write: " << run.errors.toStdString();
        EXPECT_EQ(run.status, QProcess::NormalExit) << "the signal ended the process instead of the run";
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_TRUE(run.errors.contains(QStringLiteral("Stopped."))) << run.errors.toStdString();
        EXPECT_EQ(run.leftBehind, QStringList()) << "files left: " << run.leftBehind.join(u' ').toStdString();
    }
}

// The command line against files of expected output: each tests/app/golden/*.golden
// holds one command ("$ ARGUMENTS"), its exit code, what it writes to stdout
// and, after "# stderr", what it writes to stderr. Every backend must write the
// same bytes for the demo company. With QXMXZ_UPDATE_GOLDEN=1 the SQLite run
// rewrites the files (read the diff before committing it).
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "CommandRun.h"

namespace qxmxz {
namespace {

struct Golden {
    QString path;
    QStringList arguments;
    int code = 0;
    QString out;
    QString err;
};

const QString StderrMark = QStringLiteral("# stderr\n");

Golden readGolden(const QString &path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    const QString text = QString::fromUtf8(file.readAll());
    Golden g;
    g.path = path;
    const qsizetype firstEnd = text.indexOf(u'\n');
    const qsizetype secondEnd = text.indexOf(u'\n', firstEnd + 1);
    g.arguments = text.left(firstEnd).mid(2).split(u' ', Qt::SkipEmptyParts);
    g.code = text.mid(firstEnd + 1, secondEnd - firstEnd - 1).section(u' ', 2).toInt();
    const QString rest = text.mid(secondEnd + 1);
    const qsizetype mark = rest.lastIndexOf(StderrMark);
    g.out = rest.left(mark);
    g.err = rest.mid(mark + StderrMark.size());
    return g;
}

void writeGolden(const Golden &g, const test::CommandRun &r)
{
    QFile file(g.path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write((QStringLiteral("$ ") + g.arguments.join(u' ') + QStringLiteral("\n# exit %1\n").arg(r.code) + r.out + StderrMark
                + r.err)
                   .toUtf8());
}

QStringList goldenFiles()
{
    const QDir dir(QStringLiteral(QXMXZ_GOLDEN_DIR));
    QStringList paths;
    for (const QString &name : dir.entryList({QStringLiteral("*.golden")}, QDir::Files, QDir::Name))
        paths << dir.filePath(name);
    return paths;
}

class GoldenCommands : public test::BackendTest {};

TEST_P(GoldenCommands, EveryCommandWritesWhatItsFileHolds)
{
    const QStringList paths = goldenFiles();
    ASSERT_GE(paths.size(), 20) << "the golden files are missing";
    const bool update = qEnvironmentVariableIntValue("QXMXZ_UPDATE_GOLDEN") == 1 && GetParam() == Backend::Sqlite;
    for (const QString &path : paths) {
        SCOPED_TRACE(QFileInfo(path).fileName().toStdString());
        Golden g = readGolden(path);
        const test::CommandRun r = test::runOnDemo(GetParam(), g.arguments);
        if (update) {
            writeGolden(g, r);
            continue;
        }
        EXPECT_EQ(r.code, g.code) << g.arguments.join(u' ').toStdString() << "\n" << r.err.toStdString();
        EXPECT_EQ(r.out.toStdString(), g.out.toStdString()) << g.arguments.join(u' ').toStdString();
        EXPECT_EQ(r.err.toStdString(), g.err.toStdString()) << g.arguments.join(u' ').toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Backends, GoldenCommands, test::allBackends(), test::backendTestName);

} // namespace
} // namespace qxmxz

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "CommandRun.h"
#include "platform/sql/Connection.h"
#include "qxmxz/MakeDemoCommand.h"

using namespace qxmxz;
using test::CommandRun;

namespace {

CommandRun makeDemo(const QStringList &arguments)
{
    QString out, err;
    QTextStream outStream(&out), errStream(&err);
    const int code = cli::runMakeDemo(arguments, outStream, errStream);
    return {code, out, err};
}

// The lines of the current year (a generated company keeps a closed year beside it).
int voucherLines(const QString &url)
{
    return Connection::open(url)->query(QStringLiteral("select count(*) from GL_accvouch where iyear = 2026")).field(0).toInt();
}

TEST(MakeDemo, makesTheDemoCompanyOrAGeneratedOneInANewSqliteFile)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("demo.db"));
    const CommandRun run = makeDemo({path});
    EXPECT_EQ(run.code, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains(path)) << run.out.toStdString();
    EXPECT_GT(voucherLines(QStringLiteral("sqlite:") + path), 1000);

    const CommandRun again = makeDemo({QStringLiteral("sqlite:") + path});
    EXPECT_EQ(again.code, 1);
    EXPECT_TRUE(again.err.contains(QLatin1String("exists already"))) << again.err.toStdString();

    const QString big = folder.filePath(QStringLiteral("big.db"));
    const CommandRun generated = makeDemo({big, QStringLiteral("--lines"), QStringLiteral("1234"), QStringLiteral("--seed"), QStringLiteral("5")});
    EXPECT_EQ(generated.code, 0) << generated.err.toStdString();
    EXPECT_EQ(voucherLines(QStringLiteral("sqlite:") + big), 1234);
}

TEST(MakeDemo, concentratesTheLinesOnTheBusyAccountAndStillBalances)
{
    QTemporaryDir folder;
    const QString url = QStringLiteral("sqlite:") + folder.filePath(QStringLiteral("one.db"));
    const CommandRun made = makeDemo({url, QStringLiteral("--lines"), QStringLiteral("5003"), QStringLiteral("--one-account")});
    ASSERT_EQ(made.code, 0) << made.err.toStdString();
    EXPECT_EQ(voucherLines(url), 5003);
    const int busy = Connection::open(url)
                         ->query(QStringLiteral("select count(*) from GL_accvouch where iyear = 2026 and ccode = '100201'"))
                         .field(0)
                         .toInt();
    EXPECT_GT(busy, 5003 * 85 / 100);
    // Every voucher balances, so the trial balance does (exit 1 and a message otherwise).
    const CommandRun balance = test::runOnDemo(Backend::Sqlite, {QStringLiteral("--db"), url, QStringLiteral("balance")});
    EXPECT_EQ(balance.code, 0) << balance.err.toStdString();
    EXPECT_EQ(makeDemo({folder.filePath(QStringLiteral("x.db")), QStringLiteral("--one-account")}).code, 2);
}

TEST(MakeDemo, makesACompanyOnPostgres)
{
    const QString url = test::unusedDatabaseUrl(Backend::Postgres);
    const CommandRun run = makeDemo({url, QStringLiteral("--lines"), QStringLiteral("500")});
    EXPECT_EQ(run.code, 0) << run.err.toStdString();
    EXPECT_EQ(voucherLines(url), 500);
}

TEST(MakeDemo, refusesAWrongCommandLine)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("x.db"));
    for (const QStringList &arguments :
         {QStringList{}, QStringList{path, QStringLiteral("--lines")}, QStringList{path, QStringLiteral("--lines"), QStringLiteral("many")},
          QStringList{path, QStringLiteral("--lines"), QStringLiteral("1")}, QStringList{path, QStringLiteral("--seed"), QStringLiteral("3")},
          QStringList{path, QStringLiteral("--colour")}, QStringList{path, path}}) {
        const CommandRun run = makeDemo(arguments);
        EXPECT_EQ(run.code, 2) << arguments.join(u' ').toStdString();
        EXPECT_TRUE(run.err.contains(QLatin1String("Usage"))) << run.err.toStdString();
    }
    EXPECT_FALSE(QFile::exists(path));
}

} // namespace

// --format xlsx|pdf on the command line: the print and export rights of each
// ledger, the files written through the print control, and no file at all
// when the run is refused.

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "CommandRun.h"
#include "platform_print/PrintTestSupport.h"
#include "support/Printers.h"

using namespace qxmxz;

namespace {

const auto *guiEnvironment = ::testing::AddGlobalTestEnvironment(new test::GuiApplicationEnvironment);

class SheetOutputCommand : public test::BackendTest {
protected:
    test::CommandRun run(const char *user, const QString &command, const QString &format, const QString &out)
    {
        return test::runOnDemo(GetParam(), QStringList{QStringLiteral("--user"), QString::fromLatin1(user)} + command.split(u' ')
                                               + QStringList{QStringLiteral("--format"), format, QStringLiteral("--out"), out});
    }
    QTemporaryDir dir;
};

QByteArray unzipped(const QString &zip, const QString &member)
{
    QProcess p;
    p.start(QStringLiteral("unzip"), {QStringLiteral("-p"), zip, member});
    p.waitForFinished(60000);
    return p.readAllStandardOutput();
}

} // namespace

TEST_P(SheetOutputCommand, ExportNeedsTheExportRightEvenWhenPrintingIsAllowed)
{
    struct Case {
        QString command;
        const char *exportRight;
    };
    // zhou holds every ledger's print right and none of the export rights.
    const QList<Case> cases{{QStringLiteral("detail 1002"), "明细账输出"},
                            {QStringLiteral("monthly 1002"), "GL03050105"},
                            {QStringLiteral("general 1002"), "总账输出"},
                            {QStringLiteral("merged 1002 --by code"), "明细账输出"},
                            {QStringLiteral("balance --grade 2"), "总账输出"}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.command.toStdString());
        const QString xlsx = dir.filePath(QStringLiteral("refused.xlsx"));
        const test::CommandRun refused = run("zhou", c.command, QStringLiteral("xlsx"), xlsx);
        EXPECT_NE(refused.code, 0);
        EXPECT_FALSE(QFile::exists(xlsx));
        EXPECT_FALSE(refused.err.isEmpty());
        const QString pdf = dir.filePath(QStringLiteral("allowed.pdf"));
        const test::CommandRun printed = run("zhou", c.command, QStringLiteral("pdf"), pdf);
        EXPECT_EQ(printed.code, 0) << printed.err.toStdString();
        EXPECT_TRUE(QFile::exists(pdf));
        QFile::remove(pdf);
    }
    // zhao holds the general ledger's rights only: no detail PDF either.
    const QString pdf = dir.filePath(QStringLiteral("zhao.pdf"));
    EXPECT_NE(run("zhao", QStringLiteral("detail 1002"), QStringLiteral("pdf"), pdf).code, 0);
    EXPECT_FALSE(QFile::exists(pdf));
}

TEST_P(SheetOutputCommand, TheTrialBalanceIsASpreadsheetOfNumbersAndPagesThatBalance)
{
    const QString xlsx = dir.filePath(QStringLiteral("balance.xlsx"));
    const test::CommandRun exported = run("demo", QStringLiteral("balance --grade 2"), QStringLiteral("xlsx"), xlsx);
    ASSERT_EQ(exported.code, 0) << exported.err.toStdString();
    const QString sheet = QString::fromUtf8(unzipped(xlsx, QStringLiteral("xl/worksheets/sheet1.xml")));
    // The grand total's debits and credits, as numbers, in the last row.
    EXPECT_EQ(sheet.count(QStringLiteral("<v>28099420.35</v>")), 2) << sheet.right(1500).toStdString();
    EXPECT_TRUE(sheet.contains(QStringLiteral("库存现金")));

    const QString pdf = dir.filePath(QStringLiteral("balance.pdf"));
    ASSERT_EQ(run("demo", QStringLiteral("balance --grade 2"), QStringLiteral("pdf"), pdf).code, 0);
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    text.waitForFinished(60000);
    const QString pages = QString::fromUtf8(text.readAllStandardOutput());
    EXPECT_EQ(pages.count(QStringLiteral("28,099,420.35")), 2);
    EXPECT_TRUE(pages.contains(QStringLiteral("157,727.28"))) << "the cash account's closing balance";
}

TEST_P(SheetOutputCommand, WritesTheLedgerItShowsAsSpreadsheetAndPages)
{
    const QString xlsx = dir.filePath(QStringLiteral("detail.xlsx"));
    const test::CommandRun exported = run("demo", QStringLiteral("detail 1002 --from 1 --to 1"), QStringLiteral("xlsx"), xlsx);
    ASSERT_EQ(exported.code, 0) << exported.err.toStdString();
    const QString sheet = QString::fromUtf8(unzipped(xlsx, QStringLiteral("xl/worksheets/sheet1.xml")));
    // The first ledger row carries the opening balance of 招商银行人民币户 as a number.
    EXPECT_TRUE(sheet.contains(QStringLiteral("上年结转")));
    EXPECT_TRUE(sheet.contains(QStringLiteral("<v>60000</v>"))) << sheet.left(3000).toStdString();
    EXPECT_TRUE(sheet.contains(QStringLiteral("<mergeCell ref=")));

    const test::CommandRun csv = test::runOnDemo(GetParam(), {QStringLiteral("--user"), QStringLiteral("demo"), QStringLiteral("detail"),
                                                             QStringLiteral("1002"), QStringLiteral("--from"), QStringLiteral("1"),
                                                             QStringLiteral("--to"), QStringLiteral("1"), QStringLiteral("--format"),
                                                             QStringLiteral("csv"), QStringLiteral("--raw")});
    ASSERT_EQ(csv.code, 0);
    const int ledgerLines = int(csv.out.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts).size()) - 1;
    int rows = 0;
    for (qsizetype at = 0; (at = sheet.indexOf(QStringLiteral("<row r="), at)) >= 0; ++at)
        ++rows;
    // Title, heading fields and two heading rows above the ledger rows.
    EXPECT_EQ(rows, ledgerLines + 4);

    const QString pdf = dir.filePath(QStringLiteral("general.pdf"));
    const test::CommandRun printed = run("demo", QStringLiteral("general 1002"), QStringLiteral("pdf"), pdf);
    ASSERT_EQ(printed.code, 0) << printed.err.toStdString();
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    text.waitForFinished(60000);
    const QString pages = QString::fromUtf8(text.readAllStandardOutput());
    EXPECT_TRUE(pages.contains(QStringLiteral("1002")));
    // Every amount of the general ledger's CSV is printed on the pages as shown.
    const test::CommandRun table = test::runOnDemo(GetParam(), {QStringLiteral("--user"), QStringLiteral("demo"), QStringLiteral("general"),
                                                               QStringLiteral("1002"), QStringLiteral("--format"), QStringLiteral("csv"),
                                                               QStringLiteral("--raw")});
    ASSERT_EQ(table.code, 0);
    int amounts = 0;
    for (const QString &line : table.out.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts).mid(1))
        for (const QString &field : line.split(u','))
            if (field.contains(u'.')) {
                ++amounts;
                EXPECT_TRUE(pages.contains(field.trimmed().remove(u'"'))) << field.toStdString();
            }
    EXPECT_GT(amounts, 12);

    // Without --out there is nowhere to put a binary file.
    const test::CommandRun noOut = test::runOnDemo(GetParam(), {QStringLiteral("detail"), QStringLiteral("1002"), QStringLiteral("--format"),
                                                               QStringLiteral("xlsx")});
    EXPECT_NE(noOut.code, 0);
}

INSTANTIATE_TEST_SUITE_P(Backends, SheetOutputCommand, test::allBackends(), test::backendTestName);

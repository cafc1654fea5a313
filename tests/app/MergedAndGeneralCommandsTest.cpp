// qxmxz merged and qxmxz general, run in-process on the demo company.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
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

class MergedAndGeneralCommands : public ::testing::TestWithParam<Backend> {
protected:
    CommandRun run(QStringList arguments)
    {
        arguments = QStringList{QStringLiteral("--db"), test::demoUrl(GetParam())} + arguments;
        QString out, err;
        QTextStream outStream(&out), errStream(&err);
        const int code = cli::runCommandLine(arguments, outStream, errStream);
        outStream.flush();
        errStream.flush();
        return {code, out, err};
    }

    static QJsonArray rowsOf(const CommandRun &r)
    {
        QJsonParseError error;
        const QJsonDocument document = QJsonDocument::fromJson(r.out.toUtf8(), &error);
        EXPECT_EQ(error.error, QJsonParseError::NoError) << r.out.left(400).toStdString();
        return document.array();
    }

    static QString text(const char *key, const QStringList &arguments = {})
    {
        return ResourceTexts::forLanguage(QStringLiteral("zh-CN")).text(QString::fromLatin1(key), arguments);
    }
};

} // namespace

TEST_P(MergedAndGeneralCommands, MergedWritesTheLedgerWithItsPeriodRows)
{
    const CommandRun r = run({QStringLiteral("merged"), QStringLiteral("1002"), QStringLiteral("--by"), QStringLiteral("code"),
                              QStringLiteral("--from"), QStringLiteral("6"), QStringLiteral("--to"), QStringLiteral("6"),
                              QStringLiteral("--format"), QStringLiteral("json")});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    const QJsonArray rows = rowsOf(r);
    ASSERT_GT(rows.size(), 3);
    const QJsonObject opening = rows.first().toObject();
    EXPECT_EQ(opening.value(QStringLiteral("cDigest")).toString(), text("R7.GL.QXMXZ.yujmod.00812"));
    int vouchers = 0;
    QStringList totals;
    for (const QJsonValue &row : rows) {
        const QJsonObject o = row.toObject();
        if (!o.value(QStringLiteral("PzId")).toString().isEmpty()) {
            ++vouchers;
            EXPECT_TRUE(o.value(QStringLiteral("ccode")).toString().startsWith(QStringLiteral("1002")));
            EXPECT_EQ(o.value(QStringLiteral("Yue")).toString(), QStringLiteral("06"));
        } else if (!o.value(QStringLiteral("Yue")).toString().isEmpty()) {
            totals << o.value(QStringLiteral("cDigest")).toString();
        }
    }
    EXPECT_GT(vouchers, 10);
    EXPECT_EQ(totals, (QStringList{text("R7.GL.VSZZPUB.PeriodTotal", {QStringLiteral("2026.06")}),
                                   text("R7.GL.VSZZPUB.Cumulative")}));
}

TEST_P(MergedAndGeneralCommands, MergedEachEndListsTheEndAccountsInTurn)
{
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("merged.csv"));
    const CommandRun r = run({QStringLiteral("merged"), QStringLiteral("1002"), QStringLiteral("--each-end"),
                              QStringLiteral("--to"), QStringLiteral("2"), QStringLiteral("--format"), QStringLiteral("csv"),
                              QStringLiteral("--out"), file});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    QFile csv(file);
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    const QString content = QString::fromUtf8(csv.readAll());
    const qsizetype first = content.indexOf(QStringLiteral("100201")), second = content.indexOf(QStringLiteral("100202")),
                    third = content.indexOf(QStringLiteral("100203"));
    EXPECT_TRUE(first >= 0 && first < second && second < third) << content.left(600).toStdString();
}

TEST_P(MergedAndGeneralCommands, GeneralWritesOpeningAndTwoRowsAMonth)
{
    const CommandRun r = run({QStringLiteral("general"), QStringLiteral("1002"), QStringLiteral("--format"), QStringLiteral("json")});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    const QJsonArray rows = rowsOf(r);
    ASSERT_EQ(rows.size(), 1 + 2 * 12);
    EXPECT_EQ(rows[0].toObject().value(QStringLiteral("cDigest")).toString(), text("R7.GL.QXMXZ.basgrwl.qcye"));
    for (int month = 1; month <= 12; ++month) {
        const QJsonObject total = rows[2 * month - 1].toObject(), year = rows[2 * month].toObject();
        EXPECT_EQ(total.value(QStringLiteral("Yue")).toString().toInt(), month);
        EXPECT_EQ(total.value(QStringLiteral("cDigest")).toString(), text("R7.GL.VSZZPUB.MonthTotal"));
        EXPECT_EQ(year.value(QStringLiteral("cDigest")).toString(), text("R7.GL.VSZZPUB.YearToDate"));
        EXPECT_EQ(total.value(QStringLiteral("Smend")), year.value(QStringLiteral("Smend")));
        for (const char *key : {"Scendd_c", "Smd", "Smc", "Sme_f", "Snd_s"})
            EXPECT_TRUE(total.contains(QString::fromLatin1(key))) << key;
    }

    const CommandRun table = run({QStringLiteral("general"), QStringLiteral("1002"), QStringLiteral("--lang"),
                                  QStringLiteral("en-US"), QStringLiteral("--to"), QStringLiteral("1")});
    ASSERT_EQ(table.code, 0) << table.err.toStdString();
    EXPECT_TRUE(table.out.contains(QStringLiteral("Month total"))) << table.out.toStdString();
    EXPECT_TRUE(table.out.contains(QStringLiteral("Debit"))) << table.out.toStdString();
    EXPECT_FALSE(table.out.contains(QStringLiteral("Foreign"))) << "the amount style shows no foreign columns";
}

TEST_P(MergedAndGeneralCommands, BadInputEndsWithAMessageAndNonZero)
{
    const CommandRun by = run({QStringLiteral("merged"), QStringLiteral("1002"), QStringLiteral("--by"), QStringLiteral("page")});
    EXPECT_EQ(by.code, 2);
    EXPECT_TRUE(by.err.contains(QStringLiteral("--by"))) << by.err.toStdString();
    for (const char *command : {"merged", "general"}) {
        const CommandRun unknown = run({QString::fromLatin1(command), QStringLiteral("9999")});
        EXPECT_EQ(unknown.code, 1) << command;
        EXPECT_EQ(unknown.err.trimmed(), text("QXMXZ.cli.unknownaccount", {QStringLiteral("9999")})) << command;
        const CommandRun reversed = run({QString::fromLatin1(command), QStringLiteral("1002"), QStringLiteral("--from"),
                                         QStringLiteral("5"), QStringLiteral("--to"), QStringLiteral("3")});
        EXPECT_EQ(reversed.code, 1) << command;
        const CommandRun missing = run({QString::fromLatin1(command)});
        EXPECT_EQ(missing.code, 2) << command;
    }
}

INSTANTIATE_TEST_SUITE_P(Backends, MergedAndGeneralCommands, test::bothBackends(), test::backendTestName);

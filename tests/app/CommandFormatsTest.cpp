// Every command writes the same rows as a table, as CSV and as JSON.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

#include "CommandRun.h"
#include "support/Printers.h"

using namespace qxmxz;
using test::CommandRun;

namespace {

class CommandFormats : public test::BackendTest {};

qsizetype jsonRows(const QString &text)
{
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(text.toUtf8(), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    if (document.isObject())
        return document.object()[QStringLiteral("rows")].toArray().size();
    return document.array().size();
}

} // namespace

TEST_P(CommandFormats, TableCsvAndJsonCarryTheSameNumberOfRows)
{
    const QList<QStringList> commands{
        {QStringLiteral("detail"), QStringLiteral("1002"), QStringLiteral("--to"), QStringLiteral("2")},
        {QStringLiteral("monthly"), QStringLiteral("2221"), QStringLiteral("--to"), QStringLiteral("2")},
        {QStringLiteral("merged"), QStringLiteral("1122"), QStringLiteral("--by"), QStringLiteral("code"), QStringLiteral("--to"), QStringLiteral("2")},
        {QStringLiteral("general"), QStringLiteral("6001")},
        {QStringLiteral("balance"), QStringLiteral("--grade"), QStringLiteral("2")},
        {QStringLiteral("accounts")},
        {QStringLiteral("calendar")},
    };
    for (const QStringList &command : commands) {
        SCOPED_TRACE(command.join(u' ').toStdString());
        const CommandRun table = test::runOnDemo(GetParam(), command);
        const CommandRun csv = test::runOnDemo(GetParam(), command + QStringList{QStringLiteral("--format"), QStringLiteral("csv")});
        const CommandRun json = test::runOnDemo(GetParam(), command + QStringList{QStringLiteral("--format"), QStringLiteral("json")});
        ASSERT_EQ(table.code, 0) << table.err.toStdString();
        ASSERT_EQ(csv.code, 0) << csv.err.toStdString();
        ASSERT_EQ(json.code, 0) << json.err.toStdString();
        const qsizetype rows = jsonRows(json.out);
        EXPECT_GT(rows, 0);
        // CSV: a heading line and one line per row; the table adds a rule under its heading.
        EXPECT_EQ(csv.out.count(QStringLiteral("\r\n")), rows + 1);
        EXPECT_EQ(table.out.split(u'\n', Qt::SkipEmptyParts).size(), rows + 2);
    }
}

INSTANTIATE_TEST_SUITE_P(Backends, CommandFormats, test::allBackends(), test::backendTestName);

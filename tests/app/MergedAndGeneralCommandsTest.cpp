// qxmxz merged and qxmxz general, run in-process on the demo company.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

#include "CommandRun.h"
#include "support/Printers.h"
#include "platform/outside/ResourceTexts.h"

using namespace qxmxz;

namespace {

class MergedAndGeneralCommands : public test::BackendTest {
protected:
    test::CommandRun run(const QString &command) { return test::runOnDemo(GetParam(), command.split(u' ')); }

    static QJsonArray rowsOf(const test::CommandRun &r)
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
    const test::CommandRun r = run(QStringLiteral("merged 1002 --by code --from 6 --to 6 --format json --raw"));
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    const QJsonArray rows = rowsOf(r);
    ASSERT_GT(rows.size(), 3);
    EXPECT_EQ(rows.first().toObject().value(QStringLiteral("cDigest")).toString(), text("R7.GL.QXMXZ.yujmod.00812"));
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

TEST_P(MergedAndGeneralCommands, BadInputEndsWithAMessageAndNonZero)
{
    const test::CommandRun by = run(QStringLiteral("merged 1002 --by page"));
    EXPECT_EQ(by.code, 2);
    EXPECT_TRUE(by.err.contains(QStringLiteral("--by"))) << by.err.toStdString();
    for (const QString &command : {QStringLiteral("merged"), QStringLiteral("general")}) {
        const test::CommandRun unknown = run(command + QStringLiteral(" 9999"));
        EXPECT_EQ(unknown.code, 1) << command.toStdString();
        EXPECT_EQ(unknown.err.trimmed(), text("QXMXZ.cli.unknownaccount", {QStringLiteral("9999")}));
        EXPECT_EQ(test::runOnDemo(GetParam(), {command}).code, 2) << command.toStdString() << " without an account";
    }
}

INSTANTIATE_TEST_SUITE_P(Backends, MergedAndGeneralCommands, test::allBackends(), test::backendTestName);

// The trial balance: every company we make balances, parents carry the sum of
// their sub-accounts, and each row's closing balance follows from its figures.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>
#include <cmath>
#include <gtest/gtest.h>

#include "CommandRun.h"
#include "support/Printers.h"

using namespace qxmxz;
using test::CommandRun;

namespace {

CommandRun runOn(const QString &url, const QStringList &arguments)
{
    QString out, err;
    QTextStream o(&out), e(&err);
    const int code = cli::runCommandLine(QStringList{QStringLiteral("--db"), url, QStringLiteral("--lang"), QStringLiteral("en-US")} + arguments, o, e);
    o.flush();
    e.flush();
    return {code, out, err};
}

QJsonObject balanceOf(const QString &url, const QStringList &arguments)
{
    const CommandRun r = runOn(url, QStringList{QStringLiteral("balance"), QStringLiteral("--format"), QStringLiteral("json")} + arguments);
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    return QJsonDocument::fromJson(r.out.toUtf8()).object();
}

// Amounts are cents; compare them as whole cents so that sums of doubles do not drift.
qint64 cents(const QJsonValue &value)
{
    return qint64(std::llround(value.toDouble() * 100));
}

void expectRowsAddUp(const QJsonArray &rows)
{
    for (const QJsonValue &value : rows) {
        const QJsonObject row = value.toObject();
        EXPECT_EQ(cents(row[QStringLiteral("opening")]) + cents(row[QStringLiteral("debit")]) - cents(row[QStringLiteral("credit")]),
                  cents(row[QStringLiteral("closing")]))
            << row[QStringLiteral("code")].toString().toStdString();
        const qint64 closing = cents(row[QStringLiteral("closing")]);
        EXPECT_EQ(row[QStringLiteral("closingDirection")].toString(),
                  closing > 0 ? QStringLiteral("debit") : closing < 0 ? QStringLiteral("credit") : QStringLiteral("balanced"));
    }
}

void expectBalanced(const QJsonArray &rows)
{
    ASSERT_FALSE(rows.isEmpty());
    const QJsonObject total = rows.last().toObject();
    ASSERT_EQ(total[QStringLiteral("kind")].toString(), QStringLiteral("total"));
    EXPECT_TRUE(total[QStringLiteral("code")].isNull());
    EXPECT_GT(cents(total[QStringLiteral("debit")]), 0);
    EXPECT_EQ(cents(total[QStringLiteral("debit")]), cents(total[QStringLiteral("credit")]));
    EXPECT_EQ(cents(total[QStringLiteral("opening")]), 0);
    EXPECT_EQ(cents(total[QStringLiteral("closing")]), 0);
    qint64 debit = 0, credit = 0;
    for (const QJsonValue &value : rows) {
        const QJsonObject row = value.toObject();
        if (row[QStringLiteral("grade")].toInt() == 1) {
            debit += cents(row[QStringLiteral("debit")]);
            credit += cents(row[QStringLiteral("credit")]);
        }
    }
    EXPECT_EQ(debit, cents(total[QStringLiteral("debit")]));
    EXPECT_EQ(credit, cents(total[QStringLiteral("credit")]));
}

class BalanceCommand : public test::BackendTest {};

} // namespace

TEST_P(BalanceCommand, TheDemoCompanyBalancesForTheYearAndForAPeriodRange)
{
    const QString url = test::demoUrl(GetParam());
    const QJsonObject year = balanceOf(url, {});
    const QJsonArray rows = year[QStringLiteral("rows")].toArray();
    expectBalanced(rows);
    expectRowsAddUp(rows);
    EXPECT_EQ(cents(rows.last().toObject()[QStringLiteral("debit")]), 2809942035);
    const QJsonObject header = year[QStringLiteral("header")].toObject();
    EXPECT_EQ(header[QStringLiteral("year")].toInt(), 2026);
    EXPECT_EQ(header[QStringLiteral("fromPeriod")].toInt(), 1);
    EXPECT_EQ(header[QStringLiteral("toPeriod")].toInt(), 12);

    const QJsonArray march = balanceOf(url, {QStringLiteral("--from"), QStringLiteral("2026-03"), QStringLiteral("--to"), QStringLiteral("3"),
                                             QStringLiteral("--grade"), QStringLiteral("end")})[QStringLiteral("rows")].toArray();
    expectBalanced(march);
    expectRowsAddUp(march);
    EXPECT_EQ(cents(march.last().toObject()[QStringLiteral("debit")]), 256945002);
}

TEST_P(BalanceCommand, AParentCarriesTheSumOfItsSubAccounts)
{
    const QJsonArray rows = balanceOf(test::demoUrl(GetParam()), {QStringLiteral("--grade"), QStringLiteral("end")})[QStringLiteral("rows")].toArray();
    QJsonObject parent;
    qint64 debit = 0, credit = 0, closing = 0;
    int children = 0;
    for (const QJsonValue &value : rows) {
        const QJsonObject row = value.toObject();
        const QString code = row[QStringLiteral("code")].toString();
        if (code == u"1122")
            parent = row;
        else if (code.startsWith(QLatin1String("1122")) && row[QStringLiteral("grade")].toInt() == 2) {
            debit += cents(row[QStringLiteral("debit")]);
            credit += cents(row[QStringLiteral("credit")]);
            closing += cents(row[QStringLiteral("closing")]);
            ++children;
        }
    }
    ASSERT_FALSE(parent.isEmpty());
    EXPECT_GT(children, 1);
    EXPECT_EQ(cents(parent[QStringLiteral("debit")]), debit);
    EXPECT_EQ(cents(parent[QStringLiteral("credit")]), credit);
    EXPECT_EQ(cents(parent[QStringLiteral("closing")]), closing);
}

TEST_P(BalanceCommand, AGeneratedCompanyBalancesWithAndWithoutUnpostedVouchers)
{
    const QString url = test::generatedUrl(GetParam(), 3000, 11);
    for (const QStringList &extra : {QStringList{}, QStringList{QStringLiteral("--unposted"), QStringLiteral("--grade"), QStringLiteral("end")},
                                     QStringList{QStringLiteral("--from"), QStringLiteral("4"), QStringLiteral("--to"), QStringLiteral("9")}}) {
        const QJsonArray rows = balanceOf(url, extra)[QStringLiteral("rows")].toArray();
        expectBalanced(rows);
        expectRowsAddUp(rows);
    }
}

TEST_P(BalanceCommand, TheTableAndTheCsvShowTheSameFiguresOnEveryBackend)
{
    const CommandRun table = runOn(test::demoUrl(GetParam()), {QStringLiteral("balance"), QStringLiteral("--to"), QStringLiteral("1")});
    ASSERT_EQ(table.code, 0) << table.err.toStdString();
    const QStringList lines = table.out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_GT(lines.size(), 4);
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("Code"))) << lines[0].toStdString();
    EXPECT_TRUE(lines.last().contains(QStringLiteral("Total"))) << lines.last().toStdString();
    EXPECT_FALSE(table.out.contains(QStringLiteral("借")));
    const CommandRun reference = runOn(test::demoUrl(Backend::Sqlite), {QStringLiteral("balance"), QStringLiteral("--to"), QStringLiteral("1")});
    EXPECT_EQ(table.out, reference.out);

    const CommandRun csv = runOn(test::demoUrl(GetParam()), {QStringLiteral("balance"), QStringLiteral("--format"), QStringLiteral("csv")});
    ASSERT_EQ(csv.code, 0);
    EXPECT_TRUE(csv.out.section(u'\n', 0, 0).endsWith(QStringLiteral("code,name,grade,openingDirection,opening,debit,credit,closingDirection,closing,kind\r")))
        << csv.out.left(120).toStdString();
    EXPECT_TRUE(csv.out.contains(QStringLiteral(",balanced,0.00,28099420.35,28099420.35,balanced,0.00,total\r\n"))) << csv.out.right(200).toStdString();
}

TEST_P(BalanceCommand, AUserSeesOnlyTheAccountsTheDataRightsLetThemRead)
{
    auto codes = [&](const char *user, QString &err) {
        const CommandRun r = runOn(test::demoUrl(GetParam()), {QStringLiteral("--user"), QString::fromLatin1(user), QStringLiteral("balance"),
                                                               QStringLiteral("--grade"), QStringLiteral("end"), QStringLiteral("--format"),
                                                               QStringLiteral("json")});
        EXPECT_EQ(r.code, 0) << user << r.err.toStdString();
        err = r.err;
        QStringList found;
        for (const QJsonValue &row : QJsonDocument::fromJson(r.out.toUtf8()).object()[QStringLiteral("rows")].toArray())
            found << row.toObject()[QStringLiteral("code")].toString();
        return found;
    };
    QString limitedErr, exemptErr;
    const QStringList limited = codes("li", limitedErr);
    const QStringList exempt = codes("qian", exemptErr);
    EXPECT_TRUE(limited.contains(QStringLiteral("1001")));
    EXPECT_FALSE(limited.contains(QStringLiteral("1122")));
    EXPECT_TRUE(limitedErr.contains(QStringLiteral("1122"))) << limitedErr.toStdString();
    EXPECT_TRUE(exempt.contains(QStringLiteral("1122")));
    EXPECT_TRUE(exemptErr.isEmpty()) << exemptErr.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Backends, BalanceCommand, test::allBackends(), test::backendTestName);

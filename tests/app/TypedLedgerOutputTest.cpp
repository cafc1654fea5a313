// The ledgers as machine readers get them: typed JSON and CSV, several
// accounts and patterns in one command, the total of a parent's ledger.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>

#include "CommandRun.h"
#include "platform/values/Currency.h"

namespace qxmxz {
namespace {

class TypedLedgerOutput : public test::BackendTest {
protected:
    test::CommandRun run(const QString &line, const char *user = "demo")
    {
        return test::runOnDemo(GetParam(), QStringList{QStringLiteral("--user"), QString::fromLatin1(user)}
                                                + line.split(u' ', Qt::SkipEmptyParts));
    }

    QJsonDocument json(const QString &line, const char *user = "demo")
    {
        const test::CommandRun r = run(line + QStringLiteral(" --format json"), user);
        EXPECT_EQ(r.code, 0) << r.err.toStdString();
        QJsonParseError error{};
        const QJsonDocument document = QJsonDocument::fromJson(r.out.toUtf8(), &error);
        EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
        return document;
    }
};

// Amounts in JSON are decimals of at most four places; whole units of ten
// thousandths add up without the drift of doubles.
Currency money(const QJsonValue &value)
{
    return value.isDouble() ? Currency::fromDouble(value.toDouble()) : Currency();
}

TEST_P(TypedLedgerOutput, EveryLineMovesTheSignedBalanceAndTheTotalsAddTheLines)
{
    // 1122 is a debit account, 2202 a credit one: the balance is signed the same way for both.
    for (const QString &account : {QStringLiteral("1122"), QStringLiteral("2202")}) {
        SCOPED_TRACE(account.toStdString());
        const QJsonArray rows = json(QStringLiteral("detail ") + account + QStringLiteral(" --to 3")).object()[QStringLiteral("rows")].toArray();
        ASSERT_GT(rows.size(), 10);
        QMap<QString, Currency> balance;             // by sub-account
        QMap<std::pair<QString, int>, Currency> debits, credits; // by sub-account and period
        int lines = 0, totals = 0;
        for (const QJsonValue &v : rows) {
            const QJsonObject row = v.toObject();
            const QString kind = row[QStringLiteral("kind")].toString();
            const QString code = row[QStringLiteral("account")].toString();
            const Currency shown = money(row[QStringLiteral("balance")]);
            const QString direction = row[QStringLiteral("direction")].toString();
            EXPECT_EQ(direction, shown.sign() > 0 ? u"debit" : shown.sign() < 0 ? u"credit" : u"balanced") << code.toStdString();
            if (kind == u"opening") {
                balance[code] = shown;
            } else if (kind == u"line") {
                ++lines;
                const int period = row[QStringLiteral("period")].toInt();
                const Currency debit = money(row[QStringLiteral("debit")]), credit = money(row[QStringLiteral("credit")]);
                EXPECT_EQ(balance[code] + debit - credit, shown) << row[QStringLiteral("voucher")].toString().toStdString();
                balance[code] = shown;
                debits[{code, period}] += debit;
                credits[{code, period}] += credit;
                EXPECT_EQ(row[QStringLiteral("date")].toString().left(7), QStringLiteral("2026-%1").arg(period, 2, 10, QLatin1Char('0')));
                EXPECT_TRUE(row[QStringLiteral("posted")].toBool());
            } else if (kind == u"monthTotal") {
                ++totals;
                const int period = row[QStringLiteral("period")].toInt();
                EXPECT_EQ(money(row[QStringLiteral("debit")]), debits.value({code, period})) << code.toStdString() << " " << period;
                EXPECT_EQ(money(row[QStringLiteral("credit")]), credits.value({code, period})) << code.toStdString() << " " << period;
                EXPECT_EQ(shown, balance[code]);
                EXPECT_TRUE(row[QStringLiteral("voucher")].isNull());
            } else if (kind == u"yearToDate") {
                EXPECT_EQ(shown, balance[code]);
            }
        }
        EXPECT_GT(lines, 5);
        EXPECT_GT(totals, 2);
    }
}

TEST_P(TypedLedgerOutput, AParentsLedgerEndsWithTheTotalItsGeneralLedgerShows)
{
    const QJsonArray rows = json(QStringLiteral("detail 1002 --to 3")).object()[QStringLiteral("rows")].toArray();
    const QJsonArray general = json(QStringLiteral("general 1002 --to 3")).object()[QStringLiteral("rows")].toArray();
    ASSERT_FALSE(rows.isEmpty());
    const QJsonObject total = rows.last().toObject();
    EXPECT_EQ(total[QStringLiteral("kind")].toString(), QStringLiteral("total"));
    EXPECT_EQ(total[QStringLiteral("account")].toString(), QStringLiteral("1002"));
    QJsonObject yearToDate;
    for (const QJsonValue &v : general)
        if (v.toObject()[QStringLiteral("kind")].toString() == u"yearToDate" && v.toObject()[QStringLiteral("period")].toInt() == 3)
            yearToDate = v.toObject();
    ASSERT_FALSE(yearToDate.isEmpty());
    EXPECT_EQ(money(total[QStringLiteral("debit")]), money(yearToDate[QStringLiteral("debit")]));
    EXPECT_EQ(money(total[QStringLiteral("credit")]), money(yearToDate[QStringLiteral("credit")]));
    EXPECT_EQ(money(total[QStringLiteral("balance")]), money(yearToDate[QStringLiteral("balance")]));
    // An end account's ledger has no total: it is its own.
    const QJsonArray single = json(QStringLiteral("detail 100201 --to 3")).object()[QStringLiteral("rows")].toArray();
    EXPECT_NE(single.last().toObject()[QStringLiteral("kind")].toString(), QStringLiteral("total"));
}

TEST_P(TypedLedgerOutput, CurrencyRowsAndAncestorRowsSayWhatTheyAre)
{
    const QJsonObject detail = json(QStringLiteral("detail 1002 --by period --style wb --to 2")).object();
    EXPECT_EQ(detail[QStringLiteral("header")].toObject()[QStringLiteral("style")].toString(), QStringLiteral("wb"));
    QMap<QString, int> currencyRows;
    for (const QJsonValue &v : detail[QStringLiteral("rows")].toArray()) {
        const QJsonObject row = v.toObject();
        if (row[QStringLiteral("kind")].toString() != u"currency")
            continue;
        currencyRows[row[QStringLiteral("currency")].toString() + u'/' + row[QStringLiteral("of")].toString()] += 1;
        EXPECT_TRUE(row[QStringLiteral("summary")].isNull());
        EXPECT_TRUE(row[QStringLiteral("balanceForeign")].isDouble());
    }
    EXPECT_EQ(currencyRows.value(QStringLiteral("美元/opening")), 1);
    EXPECT_EQ(currencyRows.value(QStringLiteral("美元/yearToDate")), currencyRows.value(QStringLiteral("美元/monthTotal")));
    EXPECT_GT(currencyRows.value(QStringLiteral("港币/monthTotal")), 0);

    const QJsonObject header = json(QStringLiteral("detail 100202 --style wb --to 1")).object()[QStringLiteral("header")].toObject();
    EXPECT_EQ(header[QStringLiteral("currency")].toString(), QStringLiteral("美元"));
    EXPECT_TRUE(header[QStringLiteral("unit")].isNull());
    EXPECT_EQ(header[QStringLiteral("year")].toInt(), 2026);

    int ancestors = 0;
    for (const QJsonValue &v : json(QStringLiteral("monthly 1002 --to 2")).object()[QStringLiteral("rows")].toArray()) {
        const QJsonObject row = v.toObject();
        EXPECT_EQ(row[QStringLiteral("ancestor")].toBool(), row[QStringLiteral("account")].toString() == u"1002");
        ancestors += row[QStringLiteral("ancestor")].toBool() ? 1 : 0;
    }
    EXPECT_EQ(ancestors, 6); // opening, month total and year to date of two periods
}

TEST_P(TypedLedgerOutput, SeveralAccountsAndPatternsGiveALedgerEach)
{
    const QJsonArray two = json(QStringLiteral("detail 1001 1221 --to 1")).array();
    ASSERT_EQ(two.size(), 2);
    EXPECT_EQ(two[0].toObject()[QStringLiteral("header")].toObject()[QStringLiteral("account")].toString(), QStringLiteral("1001"));
    EXPECT_EQ(two[1].toObject()[QStringLiteral("header")].toObject()[QStringLiteral("account")].toString(), QStringLiteral("1221"));

    // One CSV: a single heading line, the rows of both ledgers named by their ledger.
    const test::CommandRun csv = run(QStringLiteral("detail 1001 1221 --to 1 --format csv"));
    ASSERT_EQ(csv.code, 0);
    const QStringList lines = csv.out.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    EXPECT_EQ(lines.filter(QStringLiteral("kind,ledger,")).size(), 1);
    const qsizetype rows = two[0].toObject()[QStringLiteral("rows")].toArray().size() + two[1].toObject()[QStringLiteral("rows")].toArray().size();
    EXPECT_EQ(lines.size(), rows + 1);
    EXPECT_EQ(lines.last().section(u',', 1, 1), QStringLiteral("1221"));

    // A pattern stands for the end accounts under it; the parent's own ledger is not repeated.
    QStringList ledgers;
    for (const QJsonValue &v : json(QStringLiteral("detail 1002* --to 1")).array())
        ledgers << v.toObject()[QStringLiteral("header")].toObject()[QStringLiteral("account")].toString();
    EXPECT_EQ(ledgers, (QStringList{QStringLiteral("100200"), QStringLiteral("100201"), QStringLiteral("100202"), QStringLiteral("100203")}));

    // li may not read 1122: named, the command is refused; under a pattern its accounts are left out and said.
    const test::CommandRun named = run(QStringLiteral("detail 1001 112201 --to 1"), "li");
    EXPECT_EQ(named.code, 1);
    EXPECT_TRUE(named.out.isEmpty());
    const test::CommandRun pattern = run(QStringLiteral("general 1* --to 1 --format json"), "li");
    EXPECT_EQ(pattern.code, 0) << pattern.err.toStdString();
    EXPECT_FALSE(pattern.out.contains(QStringLiteral("\"account\":\"1122")));
    EXPECT_TRUE(pattern.err.contains(QStringLiteral("112201"))) << pattern.err.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Backends, TypedLedgerOutput, test::allBackends(), test::backendTestName);

} // namespace
} // namespace qxmxz

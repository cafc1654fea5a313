// A parent whose accounts keep different currencies or count in different
// units: its totals show no foreign amount or quantity, the foreign styles add
// a row per currency, and a voucher line shows its own currency's balance.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

#include "CommandRun.h"
#include "support/Printers.h"

using namespace qxmxz;
using test::CommandRun;

namespace {

class MixedMeasures : public test::BackendTest {
protected:
    QJsonArray rowsOf(QStringList arguments)
    {
        arguments << QStringLiteral("--format") << QStringLiteral("json") << QStringLiteral("--raw");
        const CommandRun r = test::runOnDemo(GetParam(), arguments);
        EXPECT_EQ(r.code, 0) << r.err.toStdString();
        return QJsonDocument::fromJson(r.out.toUtf8()).array();
    }
};

QString field(const QJsonValue &row, const char *name)
{
    return row.toObject().value(QString::fromLatin1(name)).toString();
}

// The summaries of the rows of one currency under the totals: indented, then the name.
bool isCurrencyRow(const QJsonValue &row)
{
    const QString digest = field(row, "cDigest");
    return digest.startsWith(u' ') || digest.startsWith(u'\u3000');
}

bool isLine(const QJsonValue &row)
{
    return !field(row, "PzId").isEmpty();
}

} // namespace

TEST_P(MixedMeasures, ForeignAmountsOfTwoCurrenciesAreNeverAddedUp)
{
    // 1002 keeps US dollars (100202) and Hong Kong dollars (100203) beside yuan.
    const QList<QStringList> runs{
        {QStringLiteral("detail"), QStringLiteral("1002"), QStringLiteral("--by"), QStringLiteral("period")},
        {QStringLiteral("detail"), QStringLiteral("1002")},
        {QStringLiteral("merged"), QStringLiteral("1002")},
    };
    for (QStringList arguments : runs) {
        arguments << QStringLiteral("--style") << QStringLiteral("wb") << QStringLiteral("--to") << QStringLiteral("3");
        SCOPED_TRACE(arguments.join(u' ').toStdString());
        const QJsonArray rows = rowsOf(arguments);
        ASSERT_GT(rows.size(), 10);
        QStringList currencyOpenings;
        for (const QJsonValue &row : rows) {
            if (field(row, "ccode") != u"1002" || isLine(row))
                continue;
            if (isCurrencyRow(row))
                currencyOpenings << field(row, "cDigest").trimmed() + u'=' + field(row, "Sme_f");
            else
                EXPECT_EQ(field(row, "Sme_f"), QString()) << "a total of 1002: " << field(row, "cDigest").toStdString();
        }
        if (arguments.first() == u"merged" || arguments.contains(QStringLiteral("period"))) {
            EXPECT_TRUE(currencyOpenings.contains(QStringLiteral("美元=120,000.00"))) << currencyOpenings.join(u' ').toStdString();
            EXPECT_TRUE(currencyOpenings.contains(QStringLiteral("港币=200,000.00"))) << currencyOpenings.join(u' ').toStdString();
        }
    }
}

TEST_P(MixedMeasures, AVoucherLineShowsTheBalanceOfItsOwnCurrency)
{
    const QJsonArray rows = rowsOf({QStringLiteral("detail"), QStringLiteral("1002"), QStringLiteral("--by"),
                                    QStringLiteral("period"), QStringLiteral("--style"), QStringLiteral("wb"),
                                    QStringLiteral("--to"), QStringLiteral("3")});
    // 120,000.00 dollars carried over, 29,700.00 received on 20 March.
    bool found = false;
    for (const QJsonValue &row : rows)
        if (field(row, "Yue") == u"03" && field(row, "Smd_f") == u"29,700.00") {
            EXPECT_EQ(field(row, "Sme_f"), QStringLiteral("149,700.00"));
            found = true;
        }
    EXPECT_TRUE(found) << "the dollar receipt of March";
}

TEST_P(MixedMeasures, QuantitiesOfDifferentUnitsAreNeverAddedUp)
{
    // 1403 counts steel in tons, copper and plastics in kilograms.
    const QList<QStringList> runs{
        {QStringLiteral("detail"), QStringLiteral("1403"), QStringLiteral("--by"), QStringLiteral("period")},
        {QStringLiteral("monthly"), QStringLiteral("1403")},
        {QStringLiteral("merged"), QStringLiteral("1403")},
    };
    for (QStringList arguments : runs) {
        arguments << QStringLiteral("--style") << QStringLiteral("sl") << QStringLiteral("--to") << QStringLiteral("2");
        SCOPED_TRACE(arguments.join(u' ').toStdString());
        const QJsonArray rows = rowsOf(arguments);
        ASSERT_GT(rows.size(), 5);
        int quantitiesOfOneAccount = 0;
        for (const QJsonValue &row : rows) {
            const bool wholeParent = field(row, "ccode") == u"1403" || arguments.contains(QStringLiteral("period"));
            if (wholeParent) {
                EXPECT_EQ(field(row, "Sne_s"), QString()) << field(row, "cDigest").toStdString();
                EXPECT_EQ(field(row, "aPrice"), QString()) << field(row, "cDigest").toStdString();
                if (!isLine(row)) {
                    EXPECT_EQ(field(row, "Snd_s"), QString()) << field(row, "cDigest").toStdString();
                    EXPECT_EQ(field(row, "Snc_s"), QString()) << field(row, "cDigest").toStdString();
                }
            } else if (!field(row, "Sne_s").isEmpty()) {
                ++quantitiesOfOneAccount;
            }
        }
        // The month-by-month ledger keeps each material's own quantity balance.
        if (arguments.first() == u"monthly") {
            EXPECT_GT(quantitiesOfOneAccount, 0);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Backends, MixedMeasures, test::allBackends(), test::backendTestName);

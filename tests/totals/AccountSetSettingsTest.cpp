// What the routines read from the account set: decimal places from the
// options, the currency list and currencies the list does not know. Each
// test changes its own copy of the demo company.

#include <gtest/gtest.h>

#include "support/Printers.h"
#include "support/ScratchVouchers.h"
#include "support/TestDatabases.h"
#include "support/TestSession.h"
#include "totals/AmountFormats.h"
#include "totals/CurrencyList.h"
#include "totals/OpeningBalances.h"

namespace qxmxz {
namespace {

class AccountSetSettingsTest : public test::BackendTest {
protected:
    void SetUp() override
    {
        BackendTest::SetUp();
        if (IsSkipped())
            return;
        session = test::openScratchDemoSession(GetParam());
    }

    GlPublic &pub() { return session->pub; }

    void setOption(const char *name, const char *value)
    {
        pub().database().execute(QStringLiteral("update gl_options set cvalue='%1' where cname='%2'")
                                     .arg(QString::fromUtf8(value), QString::fromLatin1(name)));
        // The options are read when the login is handed over.
        pub().setLogin(session->login);
    }

    QVector<AccSumRec> openingsOf(const char *code, int period)
    {
        QVector<AccSumRec> records = InitCurrencyTotals(pub());
        LoadOpeningBalances(pub(), records, QString::fromLatin1(code), period, false);
        return records;
    }

    std::unique_ptr<test::TestSession> session;
};

TEST_P(AccountSetSettingsTest, DecimalsAreReadFromTheOptionsOnEveryCall)
{
    ASSERT_EQ(FormatQty(pub(), 1234.5678), QStringLiteral("1234.57"));
    setOption("QuantityDecimals", "3");
    setOption("PriceDecimals", "4");
    EXPECT_EQ(FormatQty(pub(), 1234.5678), QStringLiteral("1234.568"));
    EXPECT_EQ(FormatPrice(pub(), 3, Currency::fromInteger(10)), QStringLiteral("3.3333"));
    // No decimals keep the point.
    setOption("QuantityDecimals", "0");
    setOption("PriceDecimals", "0");
    EXPECT_EQ(FormatQty(pub(), 12.5), QStringLiteral("13."));
    EXPECT_EQ(FormatQty(pub(), 0.4, false), QString());
    EXPECT_EQ(FormatPrice(pub(), 4, Currency::fromInteger(10)), QStringLiteral("3."));
}

TEST_P(AccountSetSettingsTest, ACurrencyWithoutNameIsTheHomeCurrency)
{
    pub().database().execute(QStringLiteral("update foreigncurrency set cexch_name=null where i_id=1"));
    setOption("HomeCurrency", "本位币");
    EXPECT_EQ(LoadCurrencyNames(pub()),
              (QStringList{QStringLiteral("本位币"), QStringLiteral("美元"), QStringLiteral("港币")}));
    // Lines of accounts without a currency come back without a currency name too.
    EXPECT_EQ(openingsOf("1002", 1)[1].cName, QStringLiteral("本位币"));
    EXPECT_EQ(openingsOf("1002", 1)[1].me, Currency::fromInteger(1850000));

    pub().database().execute(QStringLiteral("delete from foreigncurrency"));
    EXPECT_EQ(LoadCurrencyNames(pub()), QStringList{QStringLiteral("本位币")});
    EXPECT_EQ(InitCurrencyTotals(pub()).size(), 2);
}

TEST_P(AccountSetSettingsTest, ACurrencyOutsideTheListStillCountsInTheTotal)
{
    const QVector<AccSumRec> before = openingsOf("1221", 2);
    test::addScratchVoucher(pub().database(), pub().year(),
                            {.date = QDate(pub().year(), 1, 15),
                             .lines = {{.code = QStringLiteral("1221"), .debit = Currency::fromInteger(700),
                                        .currency = QStringLiteral("欧元"),
                                        .foreignDebit = Currency::fromInteger(100)}}});
    const QVector<AccSumRec> after = openingsOf("1221", 2);
    EXPECT_EQ(after[0].me - before[0].me, Currency::fromInteger(700));
    EXPECT_EQ(after[0].me_f - before[0].me_f, Currency::fromInteger(100));
    for (qsizetype i = 1; i < after.size(); ++i)
        EXPECT_EQ(after[i].me, before[i].me) << "no listed currency takes the euro line";
}

INSTANTIATE_TEST_SUITE_P(Backends, AccountSetSettingsTest, test::allBackends(), test::backendTestName);

} // namespace
} // namespace qxmxz

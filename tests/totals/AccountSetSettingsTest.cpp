// What the routines read from the account set: decimal places from the
// options, the currency list and currencies the list does not know. Each
// test changes its own copy of the demo company.

#include <gtest/gtest.h>

#include "LedgerDatabase.h"
#include "support/Printers.h"
#include "support/TestDatabases.h"
#include "support/TestSession.h"
#include "totals/AmountFormats.h"
#include "totals/CurrencyList.h"
#include "totals/OpeningBalances.h"

namespace qxmxz {
namespace {

class AccountSetSettingsTest : public ::testing::TestWithParam<Backend> {
protected:
    void SetUp() override { session = test::openScratchDemoSession(GetParam()); }

    GlPublic &pub() { return session->pub; }
    Connection &db() { return pub().database(); }

    void setOption(const char *name, const char *value)
    {
        db().execute(QStringLiteral("update gl_options set cvalue='%1' where cname='%2'")
                         .arg(QString::fromUtf8(value), QString::fromLatin1(name)));
        // The options are read when the login is handed over.
        pub().setLogin(session->login);
    }

    std::unique_ptr<test::TestSession> session;
};

TEST_P(AccountSetSettingsTest, DecimalsAreReadFromTheOptionsOnEveryCall)
{
    ASSERT_EQ(FormatQty(pub(), 1234.5678), QStringLiteral("1234.57"));
    setOption("QuantityDecimals", "3");
    setOption("PriceDecimals", "4");
    EXPECT_EQ(FormatQty(pub(), 1234.5678), QStringLiteral("1234.568"));
    EXPECT_EQ(FormatQty(pub(), 0.0004), QString());
    EXPECT_EQ(FormatPrice(pub(), 3, Currency::fromInteger(10)), QStringLiteral("3.3333"));

    // No decimals keep the point.
    setOption("QuantityDecimals", "0");
    setOption("PriceDecimals", "0");
    EXPECT_EQ(FormatQty(pub(), 12), QStringLiteral("12."));
    EXPECT_EQ(FormatQty(pub(), 12.5), QStringLiteral("13."));
    EXPECT_EQ(FormatQty(pub(), 0.4, false), QString());
    EXPECT_EQ(FormatPrice(pub(), 4, Currency::fromInteger(10)), QStringLiteral("3."));
}

TEST_P(AccountSetSettingsTest, ACurrencyWithoutNameIsTheHomeCurrency)
{
    db().execute(QStringLiteral("update foreigncurrency set cexch_name=null where i_id=1"));
    setOption("HomeCurrency", "本位币");
    EXPECT_EQ(LoadCurrencyNames(pub()),
              (QStringList{QStringLiteral("本位币"), QStringLiteral("美元"), QStringLiteral("港币")}));
    // Lines of accounts without a currency come back without a currency name too.
    QVector<AccSumRec> records = InitCurrencyTotals(pub());
    LoadOpeningBalances(pub(), records, QStringLiteral("1002"), 1, false);
    EXPECT_EQ(records[1].cName, QStringLiteral("本位币"));
    EXPECT_EQ(records[1].me, Currency::fromInteger(1850000));

    db().execute(QStringLiteral("delete from foreigncurrency"));
    EXPECT_EQ(LoadCurrencyNames(pub()), QStringList{QStringLiteral("本位币")});
    EXPECT_EQ(InitCurrencyTotals(pub()).size(), 2);
}

TEST_P(AccountSetSettingsTest, ACurrencyOutsideTheListStillCountsInTheTotal)
{
    db().execute(QStringLiteral("insert into GL_accvouch (iyear,iperiod,csign,isignseq,ino_id,inid,dbill_date,cdigest,"
                                "ccode,cexch_name,md,mc,md_f,ibook) values "
                                "(%1,1,'转',3,9101,1,'2026-01-15','euro','1221','欧元',700,0,100,1)")
                     .arg(pub().year()));
    QVector<AccSumRec> records = InitCurrencyTotals(pub());
    LoadOpeningBalances(pub(), records, QStringLiteral("1221"), 2, false);
    Currency listed;
    for (qsizetype i = 1; i < records.size(); ++i)
        listed += records[i].me;
    const Currency expected = Currency::fromInteger(8000)
                              + movementBefore(db(), pub().year(), QStringLiteral("1221"), 2, QStringLiteral("ibook = 1"));
    EXPECT_EQ(records[0].me, expected);
    EXPECT_EQ(records[0].me - listed, Currency::fromInteger(700));
    EXPECT_EQ(records[0].me_f, Currency::fromInteger(100));
}

INSTANTIATE_TEST_SUITE_P(Backends, AccountSetSettingsTest, test::bothBackends(), test::backendTestName);

} // namespace
} // namespace qxmxz

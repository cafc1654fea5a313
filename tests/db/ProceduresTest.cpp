#include <QDate>
#include <gtest/gtest.h>

#include "TinyCompany.h"
#include "platform/values/Currency.h"
#include "support/Printers.h"
#include "support/TestDatabases.h"

using namespace qxmxz;

namespace {

Currency yuan(double value)
{
    return Currency::fromDouble(value);
}

Currency money(const RecordSet &rs, const char *column)
{
    return Currency::fromVariant(rs.field(QString::fromLatin1(column)));
}

QString text(const RecordSet &rs, const char *column)
{
    return rs.text(QString::fromLatin1(column));
}

// One voucher line as "account period type-number".
QStringList lineKeys(RecordSet rs)
{
    QStringList keys;
    for (; !rs.eof(); rs.moveNext())
        keys << QStringLiteral("%1 %2 %3-%4")
                    .arg(text(rs, "cCode"), text(rs, "iPeriod"), text(rs, "cSign"), text(rs, "ino_id"));
    return keys;
}

class ProceduresTest : public ::testing::TestWithParam<Backend> {
protected:
    void SetUp() override
    {
        m_db = test::createScratchDatabase(GetParam());
        test::writeTinyCompany(*m_db);
    }

    RecordSet subsLedger(const QString &code, int begin, int end, int unposted, int byPeriod)
    {
        return m_db->procedure(QStringLiteral("GL_SubsLedger"))
            .set(QStringLiteral("KmCode"), code)
            .set(QStringLiteral("beginPeriod"), begin)
            .set(QStringLiteral("endPeriod"), end)
            .set(QStringLiteral("bVouch"), unposted)
            .set(QStringLiteral("byPeriod"), byPeriod)
            .set(QStringLiteral("iyear"), 2026)
            .execute();
    }

    RecordSet exchBegin(const QString &code, int period, int unposted)
    {
        return m_db->procedure(QStringLiteral("GL_CodeExchBegin"))
            .set(QStringLiteral("KmCode"), code)
            .set(QStringLiteral("iPeriod"), period)
            .set(QStringLiteral("bVouch"), unposted)
            .set(QStringLiteral("iyear"), 2026)
            .execute();
    }

    std::unique_ptr<Connection> m_db;
};

TEST_P(ProceduresTest, subsLedgerListsPostedValidLinesByAccount)
{
    EXPECT_EQ(lineKeys(subsLedger(QStringLiteral("1002%"), 1, 12, 0, 0)),
              QStringList({QStringLiteral("100201 1 收-1"), QStringLiteral("100201 1 付-1"), QStringLiteral("100201 2 转-1"),
                           QStringLiteral("100201 2 收-2"), QStringLiteral("100202 2 收-1"), QStringLiteral("100202 3 付-1")}));
}

TEST_P(ProceduresTest, subsLedgerAddsUnpostedLinesButNeverVoidedOnes)
{
    RecordSet rs = subsLedger(QStringLiteral("1002%"), 1, 12, 1, 0);
    EXPECT_EQ(lineKeys(rs),
              QStringList({QStringLiteral("100201 1 收-1"), QStringLiteral("100201 1 付-1"), QStringLiteral("100201 2 转-1"),
                           QStringLiteral("100201 2 收-2"), QStringLiteral("100201 3 收-1"), QStringLiteral("100202 2 收-1"),
                           QStringLiteral("100202 3 付-1")}));
    rs.moveFirst();
    ASSERT_TRUE(rs.find(QStringLiteral("cCode = '100201' and iPeriod = 3")));
    EXPECT_EQ(rs.field(QStringLiteral("iBook")).toInt(), 0);
    EXPECT_EQ(money(rs, "md"), yuan(200));
}

TEST_P(ProceduresTest, subsLedgerByPeriodOrdersByDateAcrossAccounts)
{
    EXPECT_EQ(lineKeys(subsLedger(QStringLiteral("1002%"), 1, 12, 1, 1)),
              QStringList({QStringLiteral("100201 1 收-1"), QStringLiteral("100201 1 付-1"), QStringLiteral("100202 2 收-1"),
                           QStringLiteral("100201 2 转-1"), QStringLiteral("100201 2 收-2"), QStringLiteral("100201 3 收-1"),
                           QStringLiteral("100202 3 付-1")}));
    EXPECT_EQ(lineKeys(subsLedger(QStringLiteral("1002%"), 2, 2, 0, 0)),
              QStringList({QStringLiteral("100201 2 转-1"), QStringLiteral("100201 2 收-2"), QStringLiteral("100202 2 收-1")}));
    EXPECT_TRUE(subsLedger(QStringLiteral("1002%"), 4, 12, 1, 0).eof());
    EXPECT_TRUE(subsLedger(QStringLiteral("9999%"), 1, 12, 1, 0).eof());
}

TEST_P(ProceduresTest, subsLedgerCarriesTheColumnsOfALine)
{
    RecordSet rs = subsLedger(QStringLiteral("100202%"), 2, 2, 0, 0);
    ASSERT_FALSE(rs.eof());
    EXPECT_EQ(text(rs, "cCode"), QStringLiteral("100202"));
    EXPECT_EQ(rs.field(QStringLiteral("iPeriod")).toInt(), 2);
    EXPECT_EQ(text(rs, "cSign"), QStringLiteral("收"));
    EXPECT_EQ(rs.field(QStringLiteral("isignseq")).toInt(), 1);
    EXPECT_EQ(rs.field(QStringLiteral("ino_id")).toInt(), 1);
    EXPECT_EQ(rs.field(QStringLiteral("iNid")).toInt(), 1);
    EXPECT_EQ(rs.field(QStringLiteral("dbill_date")).toDate(), QDate(2026, 2, 3));
    EXPECT_EQ(text(rs, "cDigest"), QStringLiteral("美元收款"));
    EXPECT_EQ(rs.field(QStringLiteral("iBook")).toInt(), 1);
    EXPECT_EQ(text(rs, "ccode_equal"), QStringLiteral("112201"));
    EXPECT_EQ(money(rs, "md"), yuan(710));
    EXPECT_EQ(money(rs, "mc"), Currency());
    EXPECT_EQ(money(rs, "md_f"), yuan(100));
    EXPECT_EQ(money(rs, "mc_f"), Currency());
    EXPECT_EQ(text(rs, "cexch_name"), QStringLiteral("美元"));
    EXPECT_DOUBLE_EQ(rs.field(QStringLiteral("nfrat")).toDouble(), 7.1);
    EXPECT_DOUBLE_EQ(rs.field(QStringLiteral("frate")).toDouble(), 7.1);
    EXPECT_EQ(text(rs, "cBill"), QStringLiteral("王芳"));
    EXPECT_EQ(text(rs, "ccheck"), QStringLiteral("赵强"));
    EXPECT_TRUE(rs.isNull(QStringLiteral("cPerson_id")));
    EXPECT_TRUE(rs.isNull(QStringLiteral("cDefine1")));
    EXPECT_TRUE(rs.isNull(QStringLiteral("cOutSysName")));

    RecordSet goods = subsLedger(QStringLiteral("1405%"), 1, 12, 0, 0);
    ASSERT_FALSE(goods.eof());
    EXPECT_DOUBLE_EQ(goods.field(QStringLiteral("nd_s")).toDouble(), 10.0);
    EXPECT_DOUBLE_EQ(goods.field(QStringLiteral("Price")).toDouble(), 100.0);
    EXPECT_TRUE(goods.isNull(QStringLiteral("cexch_name")));
}

struct CurrencyBegin {
    Currency md, mc, me, md_f, mc_f, me_f;
    double nd_s = 0, ne_s = 0;
};

QMap<QString, CurrencyBegin> byCurrency(RecordSet rs)
{
    QMap<QString, CurrencyBegin> rows;
    for (; !rs.eof(); rs.moveNext()) {
        const QString key = rs.isNull(QStringLiteral("cexch_name")) ? QStringLiteral("home") : text(rs, "cexch_name");
        EXPECT_FALSE(rows.contains(key)) << key.toStdString();
        rows[key] = {money(rs, "md"), money(rs, "mc"), money(rs, "Me"), money(rs, "md_f"), money(rs, "mc_f"),
                     money(rs, "me_f"), rs.field(QStringLiteral("nd_s")).toDouble(), rs.field(QStringLiteral("ne_s")).toDouble()};
    }
    return rows;
}

TEST_P(ProceduresTest, codeExchBeginGivesTheOpeningOfAPeriodPerCurrency)
{
    const auto atMarch = byCurrency(exchBegin(QStringLiteral("1002%"), 3, 0));
    ASSERT_EQ(atMarch.keys(), QStringList({QStringLiteral("home"), QStringLiteral("美元")}));
    EXPECT_EQ(atMarch["home"].md, yuan(550));
    EXPECT_EQ(atMarch["home"].mc, yuan(1300));
    EXPECT_EQ(atMarch["home"].me, yuan(9250));
    EXPECT_EQ(atMarch["美元"].md, yuan(710));
    EXPECT_EQ(atMarch["美元"].md_f, yuan(100));
    EXPECT_EQ(atMarch["美元"].me, yuan(7810));
    EXPECT_EQ(atMarch["美元"].me_f, yuan(1100));

    const auto atApril = byCurrency(exchBegin(QStringLiteral("1002%"), 4, 1));
    EXPECT_EQ(atApril["home"].md, yuan(750));
    EXPECT_EQ(atApril["home"].me, yuan(9450));
    EXPECT_EQ(atApril["美元"].mc, yuan(142));
    EXPECT_EQ(atApril["美元"].mc_f, yuan(20));
    EXPECT_EQ(atApril["美元"].me, yuan(7668));
    EXPECT_EQ(atApril["美元"].me_f, yuan(1080));

    const auto atOpening = byCurrency(exchBegin(QStringLiteral("1002%"), 1, 1));
    EXPECT_EQ(atOpening["home"].md, Currency());
    EXPECT_EQ(atOpening["home"].me, yuan(10000));
    EXPECT_EQ(atOpening["美元"].me_f, yuan(1000));

    // A credit balance comes back negative; quantities are carried too.
    EXPECT_EQ(byCurrency(exchBegin(QStringLiteral("6001%"), 4, 0))["home"].me, yuan(-22100 - 50 + 142));
    const auto goods = byCurrency(exchBegin(QStringLiteral("1405%"), 3, 0));
    EXPECT_DOUBLE_EQ(goods["home"].nd_s, 10.0);
    EXPECT_DOUBLE_EQ(goods["home"].ne_s, 30.0);
    EXPECT_EQ(byCurrency(exchBegin(QStringLiteral("1122%"), 3, 0))["home"].me, yuan(3000 + 300 - 500 - 710));
}

TEST_P(ProceduresTest, glCodeSumsEachPeriodAndCurrency)
{
    auto rows = [](RecordSet rs) {
        QStringList list;
        for (; !rs.eof(); rs.moveNext())
            list << QStringLiteral("%1 %2 %3/%4 %5/%6 %7/%8")
                        .arg(text(rs, "iPeriod"), rs.isNull(QStringLiteral("cexch_name")) ? QStringLiteral("-") : text(rs, "cexch_name"),
                             money(rs, "md").toString(), money(rs, "mc").toString(), money(rs, "md_f").toString(),
                             money(rs, "mc_f").toString(), QString::number(rs.field(QStringLiteral("nd_s")).toDouble()),
                             QString::number(rs.field(QStringLiteral("nc_s")).toDouble()));
        return list;
    };
    EXPECT_EQ(rows(m_db->query(QStringLiteral("GL_glCode '1002%',1,12,1,2026"))),
              QStringList({QStringLiteral("1 - 500/300 0/0 0/0"), QStringLiteral("2 - 50/1000 0/0 0/0"),
                           QStringLiteral("2 美元 710/0 100/0 0/0"), QStringLiteral("3 - 200/0 0/0 0/0"),
                           QStringLiteral("3 美元 0/142 0/20 0/0")}));
    EXPECT_EQ(rows(m_db->query(QStringLiteral("GL_glCode '1002%',2,12,0,2026"))),
              QStringList({QStringLiteral("2 - 50/1000 0/0 0/0"), QStringLiteral("2 美元 710/0 100/0 0/0"),
                           QStringLiteral("3 美元 0/142 0/20 0/0")}));
    EXPECT_EQ(rows(m_db->query(QStringLiteral("GL_glCode '1405%',1,12,0,2026"))),
              QStringList({QStringLiteral("2 - 1000/0 0/0 10/0")}));
}

INSTANTIATE_TEST_SUITE_P(Backends, ProceduresTest, test::bothBackends(), test::backendTestName);

} // namespace

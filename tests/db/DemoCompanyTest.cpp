#include <QSet>
#include <gtest/gtest.h>

#include "platform/values/Currency.h"
#include "support/Printers.h"
#include "support/TestDatabases.h"

using namespace qxmxz;

namespace {

int count(Connection &db, const QString &sql)
{
    RecordSet rs = db.query(sql);
    return rs.field(0).toInt();
}

class DemoCompanyTest : public ::testing::TestWithParam<Backend> {
protected:
    void SetUp() override { m_db = test::openDemo(GetParam()); }
    int count(const char *sql) { return ::count(*m_db, QString::fromUtf8(sql)); }
    std::unique_ptr<Connection> m_db;
};

TEST_P(DemoCompanyTest, balancesEveryVoucherAndTheYearOpening)
{
    RecordSet vouchers = m_db->query(QStringLiteral(
        "select iperiod, csign, ino_id, sum(md) as md, sum(mc) as mc, count(*) as lines from GL_accvouch "
        "group by iperiod, csign, ino_id"));
    int seen = 0;
    for (; !vouchers.eof(); vouchers.moveNext(), ++seen) {
        const QString voucher = vouchers.text(QStringLiteral("csign")) + u'-' + vouchers.text(QStringLiteral("ino_id"))
                                + QStringLiteral(" of period ") + vouchers.text(QStringLiteral("iperiod"));
        EXPECT_EQ(Currency::fromVariant(vouchers.field(QStringLiteral("md"))),
                  Currency::fromVariant(vouchers.field(QStringLiteral("mc"))))
            << voucher.toStdString();
        const int lines = vouchers.field(QStringLiteral("lines")).toInt();
        EXPECT_TRUE(lines >= 2 && lines <= 4) << voucher.toStdString();
    }
    EXPECT_GT(seen, 500);

    RecordSet opening = m_db->query(QStringLiteral(
        "select sum(case when cbegind_c = '贷' then -mb else mb end) as balance, count(*) as accounts "
        "from GL_accsum s join code c on c.iyear = s.iyear and c.ccode = s.ccode where s.iperiod = 1 and c.bend = 1"));
    EXPECT_EQ(Currency::fromVariant(opening.field(QStringLiteral("balance"))), Currency());
    EXPECT_NE(count("select count(*) from GL_accsum where iperiod = 1 and mb <> 0"), 0);
}

TEST_P(DemoCompanyTest, numbersVouchersPerTypeAndPeriodFromOne)
{
    RecordSet numbers = m_db->query(QStringLiteral(
        "select iperiod, csign, min(isignseq) as seq, max(isignseq) as seq2, min(ino_id) as first, max(ino_id) as last, "
        "count(distinct ino_id) as vouchers from GL_accvouch group by iperiod, csign"));
    int groups = 0;
    for (; !numbers.eof(); numbers.moveNext(), ++groups) {
        const QString sign = numbers.text(QStringLiteral("csign"));
        EXPECT_EQ(numbers.field(QStringLiteral("first")).toInt(), 1);
        EXPECT_EQ(numbers.field(QStringLiteral("last")).toInt(), numbers.field(QStringLiteral("vouchers")).toInt());
        EXPECT_EQ(numbers.field(QStringLiteral("seq")).toInt(), numbers.field(QStringLiteral("seq2")).toInt());
        const int expectedSeq = sign == u"收" ? 1 : sign == u"付" ? 2 : 3;
        EXPECT_EQ(numbers.field(QStringLiteral("seq")).toInt(), expectedSeq) << sign.toStdString();
    }
    EXPECT_EQ(groups, 36); // 收, 付 and 转 in each of the twelve periods
    // A later number never has an earlier date.
    EXPECT_EQ(count("select count(*) from GL_accvouch a join GL_accvouch b on a.iperiod = b.iperiod and a.csign = b.csign "
                    "and a.ino_id < b.ino_id and a.dbill_date > b.dbill_date"), 0);
    EXPECT_EQ(count("select count(*) from GL_accvouch where ccode_equal is null or cdigest is null or cbill is null"), 0);
}

TEST_P(DemoCompanyTest, hasTheCasesTheLedgersNeed)
{
    // Unposted vouchers only at the end of the year, not booked by anyone.
    EXPECT_GT(count("select count(*) from GL_accvouch where ibook = 0 and iflag is null"), 0);
    EXPECT_EQ(count("select count(*) from GL_accvouch where ibook = 0 and iflag is null and iperiod < 11"), 0);
    EXPECT_EQ(count("select count(*) from GL_accvouch where ibook = 0 and cbook is not null"), 0);
    EXPECT_EQ(count("select count(*) from GL_accvouch where ibook = 1 and cbook is null"), 0);
    EXPECT_GE(count("select count(*) from GL_accvouch where iflag = 1"), 2);
    // Foreign currency with rates, quantities, a source system, user-defined items.
    EXPECT_GT(count("select count(*) from GL_accvouch where cexch_name = '美元' and md_f + mc_f <> 0 and nfrat > 0"), 5);
    EXPECT_GT(count("select count(*) from GL_accvouch where cexch_name = '港币' and md_f + mc_f <> 0 and nfrat > 0"), 0);
    EXPECT_GT(count("select count(*) from GL_accvouch where nd_s + nc_s <> 0"), 50);
    EXPECT_GT(count("select count(*) from GL_accvouch where coutsysname = 'AR'"), 0);
    EXPECT_GT(count("select count(*) from GL_accvouch where cDefine1 in (select cValue from userdefine where cid = '01')"), 10);
    // Auxiliary items where the account asks for them.
    EXPECT_EQ(count("select count(*) from GL_accvouch v join code c on c.ccode = v.ccode where c.bcus = 1 and v.ccus_id is null"), 0);
    EXPECT_EQ(count("select count(*) from GL_accvouch v join code c on c.ccode = v.ccode where c.bsup = 1 and v.csup_id is null"), 0);
    EXPECT_EQ(count("select count(*) from GL_accvouch v join code c on c.ccode = v.ccode where c.bdept = 1 and v.cdept_id is null"), 0);
    EXPECT_EQ(count("select count(*) from GL_accvouch v join code c on c.ccode = v.ccode where c.bitem = 1 and v.citem_id is null"), 0);
    EXPECT_EQ(count("select count(*) from GL_accvouch v join code c on c.ccode = v.ccode where c.bperson = 1 and v.cperson_id is null"), 0);
    EXPECT_EQ(count("select count(*) from GL_accvouch v join code c on c.ccode = v.ccode where c.cexch_name is not null "
                    "and (v.cexch_name is null or v.cexch_name <> c.cexch_name)"), 0);
    // Lines only on end accounts of the chart.
    EXPECT_EQ(count("select count(*) from GL_accvouch v left join code c on c.ccode = v.ccode where c.bend is null or c.bend <> 1"), 0);
    // A busy bank account.
    const int bankLines = count("select count(*) from GL_accvouch where ccode = '100201'");
    EXPECT_GE(bankLines, 250);
    EXPECT_LE(bankLines, 600);
}

TEST_P(DemoCompanyTest, hasBalancesOnBothSidesAndOneThatChangesSide)
{
    // 广州南方 (112203) is paid in advance in March and owes again from May.
    RecordSet customer = m_db->query(QStringLiteral("select iperiod, cendd_c from GL_accsum where ccode = '112203' order by iperiod"));
    QStringList directions;
    for (; !customer.eof(); customer.moveNext())
        directions << customer.text(QStringLiteral("cendd_c"));
    ASSERT_EQ(directions.size(), 12);
    EXPECT_EQ(directions[0], QStringLiteral("借"));
    EXPECT_EQ(directions[2], QStringLiteral("贷"));
    EXPECT_EQ(directions[4], QStringLiteral("借"));
    EXPECT_GT(count("select count(*) from GL_accsum where ccode = '2202' and cendd_c = '贷'"), 0);
    EXPECT_EQ(count("select count(*) from GL_accsum where ccode = '4001' and cendd_c = '贷'"), 12);
}

TEST_P(DemoCompanyTest, hasAChartInThreeGradesReadInCodeOrder)
{
    EXPECT_EQ(count("select count(distinct igrade) from code"), 3);
    EXPECT_EQ(count("select count(*) from code where ccode_engl is null"), 0);
    EXPECT_EQ(count("select count(*) from code where ccode = '22210101' and igrade = 3 and bend = 1"), 1);
    EXPECT_EQ(count("select count(*) from code where ccode = '100202' and cexch_name = '美元'"), 1);
    EXPECT_EQ(count("select count(*) from code where ccode like '1403%' and bend = 1 and cmeasure is null"), 0);
    // The ledgers list end accounts without ORDER BY and rely on code order.
    RecordSet leaves = m_db->query(QStringLiteral("select ccode from code where ccode like N'%' and bend = 1"));
    QStringList codes;
    for (; !leaves.eof(); leaves.moveNext())
        codes << leaves.text(QStringLiteral("ccode"));
    QStringList sorted = codes;
    sorted.sort();
    EXPECT_EQ(codes, sorted);
    EXPECT_GT(codes.size(), 40);
}

TEST_P(DemoCompanyTest, hasUsersWithTheirRights)
{
    auto holds = [this](const char *user, const char *right) {
        return ::count(*m_db, QStringLiteral(
                                  "select count(*) from ((select cAuth_Id from ua_holdauth where cAcc_id = N'001' and iYear = 2026 "
                                  "and cUser_id = N'%1' and iIsUser = 1 and cAuth_id = N'%2') union (select ua_holdauth.cAuth_Id "
                                  "from ua_role inner join ua_holdauth on ua_role.cgroup_id = ua_holdauth.cUser_id where "
                                  "ua_holdauth.cAcc_id = N'001' and ua_holdauth.iYear = 2026 and ua_holdauth.iIsUser = 0 and "
                                  "ua_holdauth.cAuth_id = N'%2' and ua_role.cUser_id = N'%1')) t")
                                  .arg(QString::fromLatin1(user), QString::fromLatin1(right))) > 0;
    };
    for (const char *right : {"GL0305", "GL0306", "GL030101", "GL0301", "GL030102", "GL030103", "GL03050102", "GL03050103",
                              "GL03050104", "GL03050105"}) {
        EXPECT_TRUE(holds("demo", right)) << right;
        EXPECT_TRUE(holds("wang", right)) << right;
    }
    EXPECT_EQ(count("select count(*) from ua_holdauth where cUser_id = 'wang'"), 0); // only through the role
    EXPECT_FALSE(holds("zhao", "GL0305"));
    EXPECT_TRUE(holds("zhao", "GL030101"));
    EXPECT_EQ(count("select count(*) from ua_dataauth where cUser_id = 'li' and cObjectName = 'code' and cRight = 'R' "
                    "and cACCode not like '1001%' and cACCode not like '1002%'"), 0);
    EXPECT_EQ(count("select count(*) from code where (ccode like '1001%' or ccode like '1002%') and ccode not in "
                    "(select cACCode from ua_dataauth where cUser_id = 'li' and cObjectName = 'code' and cRight = 'R')"), 0);
    EXPECT_GT(count("select count(*) from ua_dataauth where cUser_id = 'sun' and cObjectName = 'department'"), 0);
    EXPECT_EQ(count("select count(*) from UA_User where cUser_Id = 'qian' and bAccRightExempt = 1"), 1);
    EXPECT_GT(count("select count(*) from ua_dataauth where cUser_id = 'qian'"), 0);
    EXPECT_EQ(count("select count(*) from UA_User where iAdmin = 1"), 1);
    // Makers and checkers are users of the account set.
    EXPECT_EQ(count("select count(*) from GL_accvouch where cbill not in (select cUser_Name from UA_User) "
                    "or ccheck not in (select cUser_Name from UA_User)"), 0);
}

TEST_P(DemoCompanyTest, fillsTheTablesAroundTheLedgers)
{
    EXPECT_EQ(count("select count(*) from gl_calendar where iyear = 2026"), 12);
    EXPECT_EQ(count("select count(*) from gl_options where cname in ('AccountSetId', 'AccountSetName', 'Year', 'HomeCurrency', "
                    "'QuantityDecimals', 'PriceDecimals', 'SummaryWidth', 'AmountWidth', 'QuantityWidth', 'PriceWidth', "
                    "'ForeignWidth', 'RateWidth', 'AccountRightsControlled', 'NewReport', 'NewReportDefault', "
                    "'DirectionStyle', 'SettingsKey')"), 17);
    EXPECT_EQ(count("select count(distinct itable_id) from GL_mybooktype"), 12);
    EXPECT_EQ(count("select count(*) from printEx where csystemname = 'GL' and ctablecode in ('GLMxzJe', 'GLMxzSl', "
                    "'GLMxzWb', 'GLMxzSlWb', 'GLSlJe') and cResPathHead like '%.rep'"), 5);
    EXPECT_EQ(count("select count(*) from userdef where cclass = '单据头'"), 16);
    EXPECT_GT(count("select count(*) from userdefine"), 0);
    EXPECT_GT(count("select count(*) from fitemss"), 0);
    EXPECT_GT(count("select count(*) from inventory"), 0);
    EXPECT_EQ(count("select count(*) from dsign"), 3);
    EXPECT_GT(count("select count(*) from GL_msysname where sysid <> 'PU'"), 0);
    EXPECT_EQ(count("select count(*) from foreigncurrency where cexch_name in ('美元', '港币')"), 2);
}

INSTANTIATE_TEST_SUITE_P(Backends, DemoCompanyTest, test::bothBackends(), test::backendTestName);

} // namespace

// The demo company and a generated one hold the cases the ledgers need.

#include <QCryptographicHash>
#include <gtest/gtest.h>

#include "install/AccountingDatabase.h"
#include "platform/Failure.h"
#include "support/TestDatabases.h"

using namespace qxmxz;

namespace {

int count(Connection &db, const char *sql)
{
    return db.query(QString::fromUtf8(sql)).field(0).toInt();
}

// A count of rows and the range it must fall in.
struct Expectation {
    const char *sql;
    int least, most;
};

void expectCounts(Connection &db, std::initializer_list<Expectation> expectations)
{
    for (const Expectation &e : expectations) {
        const int n = count(db, e.sql);
        EXPECT_TRUE(n >= e.least && n <= e.most) << n << " not in " << e.least << ".." << e.most << ": " << e.sql;
    }
}

constexpr int many = 1 << 30;

// Vouchers whose valid lines do not balance or are fewer than two: a line
// struck out inside a voucher (iflag 1) counts for nothing.
const char *const badVouchers =
    "select count(*) from (select iyear, iperiod, csign, ino_id from GL_accvouch where iflag is null or iflag = 2 "
    "group by iyear, iperiod, csign, ino_id having sum(md) <> sum(mc) or count(*) < 2) t";

class CompanyShapeTest : public test::BackendTest {};

TEST_P(CompanyShapeTest, theDemoCompanyHasEveryCaseOfTheLedgers)
{
    auto db = test::openDemo(GetParam());
    expectCounts(*db, {
        {badVouchers, 0, 0},
        {"select count(distinct ino_id) from GL_accvouch where iyear = 2026", 10, many},
        // The year opening balances of both years.
        {"select count(*) from (select s.iyear, sum(case when cbegind_c = '贷' then -mb else mb end) as b from GL_accsum s "
         "join code c on c.iyear = s.iyear and c.ccode = s.ccode where s.iperiod = 1 and c.bend = 1 group by s.iyear) t "
         "where b = 0", 2, 2},
        // Numbered per type and period from 1, dates never going back.
        {"select count(*) from (select iyear, iperiod, csign from GL_accvouch group by iyear, iperiod, csign "
         "having min(ino_id) <> 1 or max(ino_id) <> count(distinct ino_id)) t", 0, 0},
        {"select count(*) from GL_accvouch a join GL_accvouch b on a.iyear = b.iyear and a.iperiod = b.iperiod "
         "and a.csign = b.csign and a.ino_id < b.ino_id and a.dbill_date > b.dbill_date", 0, 0},
        // Unposted vouchers only at the end of the current year, voided ones, foreign currency, quantities, other systems.
        {"select count(*) from GL_accvouch where ibook = 0 and iflag is null and iyear = 2026", 1, many},
        {"select count(*) from GL_accvouch where ibook = 0 and iflag is null and (iperiod < 11 or iyear = 2025)", 0, 0},
        {"select count(*) from GL_accvouch where (ibook = 0 and cbook is not null) or (ibook = 1 and cbook is null)", 0, 0},
        {"select count(*) from GL_accvouch where iflag = 1", 2, many},
        {"select count(*) from GL_accvouch where cexch_name = '美元' and md_f + mc_f <> 0 and nfrat > 0", 6, many},
        {"select count(*) from GL_accvouch where cexch_name = '港币' and md_f + mc_f <> 0 and nfrat > 0", 1, many},
        {"select count(*) from GL_accvouch where nd_s + nc_s <> 0", 51, many},
        {"select count(*) from GL_accvouch where coutsysname = 'AR'", 1, many},
        // Struck-out lines inside vouchers that stay valid, and amounts in red ink.
        {"select count(*) from GL_accvouch a where a.iflag = 1 and exists (select 1 from GL_accvouch b where b.iyear = a.iyear "
         "and b.iperiod = a.iperiod and b.csign = a.csign and b.ino_id = a.ino_id and b.iflag is null)", 2, many},
        {"select count(*) from GL_accvouch where md < 0 or mc < 0", 2, many},
        // A parent holding accounts in two foreign currencies.
        {"select count(distinct cexch_name) from code where ccode like '1002%' and iyear = 2026", 2, 2},
        // Lines only on end accounts of their year, with the auxiliary items and currency their account asks for.
        {"select count(*) from GL_accvouch v left join code c on c.iyear = v.iyear and c.ccode = v.ccode "
         "where c.bend is null or c.bend <> 1", 0, 0},
        {"select count(*) from GL_accvouch v join code c on c.iyear = v.iyear and c.ccode = v.ccode "
         "where (c.bcus = 1 and v.ccus_id is null) or "
         "(c.bsup = 1 and v.csup_id is null) or (c.bdept = 1 and v.cdept_id is null) or (c.bitem = 1 and v.citem_id is null) "
         "or (c.bperson = 1 and v.cperson_id is null) or (c.cexch_name is not null and "
         "(v.cexch_name is null or v.cexch_name <> c.cexch_name))", 0, 0},
        // A busy bank account; 112203 is paid in advance in March (its balance turns to credit within the
        // month) and owes again from May.
        {"select count(*) from GL_accvouch where ccode = '100201' and iyear = 2026", 250, 600},
        {"select count(*) from GL_accsum where iyear = 2026 and ccode = '112203' and ((iperiod in (1, 5) and cendd_c = '借') or "
         "(iperiod = 3 and cendd_c = '贷'))", 3, 3},
        {"select count(*) from GL_accsum where ccode = '4001' and cendd_c = '贷'", 24, 24},
        // A chart of three grades kept for two years; the current year's has an account opened in it.
        {"select count(distinct igrade) from code", 3, 3},
        {"select count(*) from code where bend = 1 and iyear = 2026", 41, many},
        {"select count(*) from code where iyear = 2025", 40, many},
        {"select count(*) from code where ccode = '100200' and iyear = 2025", 0, 0},
        // Function rights kept for the closed year for some users only.
        {"select count(distinct cUser_id) from ua_holdauth where iYear = 2025", 2, 4},
        {"select count(*) from ua_holdauth where iYear = 2025 and cUser_id = 'zhao'", 0, 0},
    });
    // The chart is not stored in code order: an account added later comes last.
    QStringList codes;
    for (RecordSet rows = db->query(QStringLiteral("select * from code")); !rows.eof(); rows.moveNext())
        if (rows.field(QStringLiteral("iyear")).toInt() == 2026)
            codes << rows.text(QStringLiteral("ccode"));
    EXPECT_FALSE(std::is_sorted(codes.begin(), codes.end()));
    EXPECT_EQ(codes.last(), QStringLiteral("100200"));
}

TEST_P(CompanyShapeTest, aGeneratedCompanyHasTheShapeOfALargeOne)
{
    auto db = test::openGenerated(GetParam(), 20000);
    expectCounts(*db, {
        {badVouchers, 0, 0},
        {"select count(*) from GL_accvouch where iyear = 2026", 20000, 20000},
        {"select count(*) from code where bend = 1 and iyear = 2026", 180, 230},
        {"select count(distinct igrade) from code", 3, 3},
        {"select count(*) from GL_accvouch where ccode = '100201' and iyear = 2026", 1400, 3000}, // about a tenth
        {"select count(*) from GL_accvouch where cexch_name is not null and md_f + mc_f <> 0", 101, many},
        {"select count(*) from GL_accvouch where nd_s + nc_s <> 0", 1001, many},
        {"select count(*) from GL_accvouch where ibook = 0", 101, many},
        {"select count(*) from GL_accvouch where ibook = 0 and iflag is null and (iperiod < 12 or iyear = 2025)", 0, 0},
        {"select count(distinct iperiod) from GL_accvouch where iyear = 2026", 12, 12},
        // Struck-out lines inside valid vouchers, and sales returned in red ink.
        {"select count(*) from GL_accvouch a where a.iflag = 1 and exists (select 1 from GL_accvouch b where b.iyear = a.iyear "
         "and b.iperiod = a.iperiod and b.csign = a.csign and b.ino_id = a.ino_id and b.iflag is null)", 20, many},
        {"select count(*) from GL_accvouch where md < 0 or mc < 0", 20, many},
        // Two foreign currencies under one parent; units that differ under another.
        {"select count(distinct cexch_name) from code where ccode like '1002%' and iyear = 2026", 2, 2},
        {"select count(distinct cmeasure) from code where ccode like '1403%' and iyear = 2026", 2, many},
        // An account that turns from debit to credit within a month.
        {"select count(*) from GL_accsum a join GL_accsum b on a.iyear = b.iyear and a.ccode = b.ccode "
         "and b.iperiod = a.iperiod + 1 where a.ccode = '1221' and a.cendd_c <> b.cendd_c", 1, many},
        // The closed year: a tenth of the lines, all posted, its own rights rows for some users, a chart
        // without the account opened this year, stored with it in code out of order.
        {"select count(*) from GL_accvouch where iyear = 2025", 2000, 2400},
        {"select count(*) from code where ccode = '100204' and iyear = 2025", 0, 0},
        {"select count(*) from GL_accvouch where ccode = '100204' and iyear = 2026", 10, many},
        {"select count(distinct cUser_id) from ua_holdauth where iYear = 2025", 2, 4},
        {"select count(*) from (select s.iyear, sum(case when cbegind_c = '贷' then -mb else mb end) as b from GL_accsum s "
         "join code c on c.iyear = s.iyear and c.ccode = s.ccode where s.iperiod = 1 and c.bend = 1 group by s.iyear) t "
         "where b = 0", 2, 2},
    });
}

INSTANTIATE_TEST_SUITE_P(Backends, CompanyShapeTest, test::allBackends(), test::backendTestName);

// Every voucher line, in a fixed order, reduced to one fingerprint.
QByteArray generatedFingerprint(qint64 lines, quint64 seed)
{
    auto db = test::createScratchDatabase(Backend::Sqlite);
    db::CompanyOptions options;
    options.voucherLines = lines;
    options.seed = seed;
    db::generateCompany(*db, options);
    EXPECT_EQ(count(*db, "select count(*) from GL_accvouch where iyear = 2026"), lines);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    RecordSet rs = db->query(QStringLiteral("select * from GL_accvouch order by iperiod, isignseq, ino_id, inid"),
                             RecordSet::Cursor::Forward);
    for (; !rs.eof(); rs.moveNext())
        for (int i = 0; i < rs.fieldCount(); ++i)
            hash.addData(rs.field(i).toString().toUtf8().append('|'));
    return hash.result().toHex();
}

TEST(Generator, givesTheSameCompanyForTheSameSeedOnly)
{
    EXPECT_EQ(generatedFingerprint(3001, 7), generatedFingerprint(3001, 7));
    EXPECT_NE(generatedFingerprint(3001, 7), generatedFingerprint(3001, 8));
    auto db = test::createScratchDatabase(Backend::Sqlite);
    db::CompanyOptions options;
    options.voucherLines = 1; // no voucher has a single line
    EXPECT_THROW(db::generateCompany(*db, options), Failure);
}

} // namespace

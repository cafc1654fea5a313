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

// Unbalanced vouchers, or vouchers of fewer than two or more than four lines
// (SQLite sums money as floating point).
const char *const badVouchers =
    "select count(*) from (select iperiod, csign, ino_id from GL_accvouch group by iperiod, csign, ino_id "
    "having abs(sum(md) - sum(mc)) > 0.00005 or count(*) < 2 or count(*) > 4) t";

class CompanyShapeTest : public ::testing::TestWithParam<Backend> {};

TEST_P(CompanyShapeTest, theDemoCompanyHasEveryCaseOfTheLedgers)
{
    auto db = test::openDemo(GetParam());
    expectCounts(*db, {
        {badVouchers, 0, 0},
        {"select count(distinct ino_id) from GL_accvouch", 10, many},
        // The year opening balances.
        {"select count(*) from (select sum(case when cbegind_c = '贷' then -mb else mb end) as b from GL_accsum s join code c "
         "on c.iyear = s.iyear and c.ccode = s.ccode where s.iperiod = 1 and c.bend = 1) t where abs(b) < 0.00005", 1, 1},
        // Numbered per type and period from 1, dates never going back.
        {"select count(*) from (select iperiod, csign from GL_accvouch group by iperiod, csign "
         "having min(ino_id) <> 1 or max(ino_id) <> count(distinct ino_id)) t", 0, 0},
        {"select count(*) from GL_accvouch a join GL_accvouch b on a.iperiod = b.iperiod and a.csign = b.csign "
         "and a.ino_id < b.ino_id and a.dbill_date > b.dbill_date", 0, 0},
        // Unposted vouchers only at the end of the year, voided ones, foreign currency, quantities, other systems.
        {"select count(*) from GL_accvouch where ibook = 0 and iflag is null", 1, many},
        {"select count(*) from GL_accvouch where ibook = 0 and iflag is null and iperiod < 11", 0, 0},
        {"select count(*) from GL_accvouch where (ibook = 0 and cbook is not null) or (ibook = 1 and cbook is null)", 0, 0},
        {"select count(*) from GL_accvouch where iflag = 1", 2, many},
        {"select count(*) from GL_accvouch where cexch_name = '美元' and md_f + mc_f <> 0 and nfrat > 0", 6, many},
        {"select count(*) from GL_accvouch where cexch_name = '港币' and md_f + mc_f <> 0 and nfrat > 0", 1, many},
        {"select count(*) from GL_accvouch where nd_s + nc_s <> 0", 51, many},
        {"select count(*) from GL_accvouch where coutsysname = 'AR'", 1, many},
        // Lines only on end accounts, with the auxiliary items and currency their account asks for.
        {"select count(*) from GL_accvouch v left join code c on c.ccode = v.ccode where c.bend is null or c.bend <> 1", 0, 0},
        {"select count(*) from GL_accvouch v join code c on c.ccode = v.ccode where (c.bcus = 1 and v.ccus_id is null) or "
         "(c.bsup = 1 and v.csup_id is null) or (c.bdept = 1 and v.cdept_id is null) or (c.bitem = 1 and v.citem_id is null) "
         "or (c.bperson = 1 and v.cperson_id is null) or (c.cexch_name is not null and "
         "(v.cexch_name is null or v.cexch_name <> c.cexch_name))", 0, 0},
        // A busy bank account; 112203 is paid in advance in March and owes again from May.
        {"select count(*) from GL_accvouch where ccode = '100201'", 250, 600},
        {"select count(*) from GL_accsum where ccode = '112203' and ((iperiod in (1, 5) and cendd_c = '借') or "
         "(iperiod = 3 and cendd_c = '贷'))", 3, 3},
        {"select count(*) from GL_accsum where ccode = '4001' and cendd_c = '贷'", 12, 12},
        // A chart of three grades that the ledgers read in code order without ORDER BY.
        {"select count(distinct igrade) from code", 3, 3},
        {"select count(*) from code where bend = 1", 41, many},
    });
    QStringList codes;
    for (RecordSet leaves = db->query(QStringLiteral("select ccode from code where ccode like N'%' and bend = 1")); !leaves.eof();
         leaves.moveNext())
        codes << leaves.text(QStringLiteral("ccode"));
    EXPECT_TRUE(std::is_sorted(codes.begin(), codes.end()));
}

TEST_P(CompanyShapeTest, aGeneratedCompanyHasTheShapeOfALargeOne)
{
    auto db = test::openGenerated(GetParam(), 20000);
    expectCounts(*db, {
        {badVouchers, 0, 0},
        {"select count(*) from GL_accvouch", 20000, 20000},
        {"select count(*) from code where bend = 1", 180, 230},
        {"select count(distinct igrade) from code", 3, 3},
        {"select count(*) from GL_accvouch where ccode = '100201'", 1400, 3000}, // about a tenth
        {"select count(*) from GL_accvouch where cexch_name is not null and md_f + mc_f <> 0", 101, many},
        {"select count(*) from GL_accvouch where nd_s + nc_s <> 0", 1001, many},
        {"select count(*) from GL_accvouch where ibook = 0", 101, many},
        {"select count(*) from GL_accvouch where ibook = 0 and iflag is null and iperiod < 12", 0, 0},
        {"select count(distinct iperiod) from GL_accvouch", 12, 12},
    });
}

INSTANTIATE_TEST_SUITE_P(Backends, CompanyShapeTest, test::bothBackends(), test::backendTestName);

// Every voucher line, in a fixed order, reduced to one fingerprint.
QByteArray generatedFingerprint(qint64 lines, quint64 seed)
{
    auto db = test::createScratchDatabase(Backend::Sqlite);
    db::CompanyOptions options;
    options.voucherLines = lines;
    options.seed = seed;
    db::generateCompany(*db, options);
    EXPECT_EQ(count(*db, "select count(*) from GL_accvouch"), lines);
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

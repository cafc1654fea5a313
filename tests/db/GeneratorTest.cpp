#include <QCryptographicHash>
#include <gtest/gtest.h>

#include "install/AccountingDatabase.h"
#include "platform/Failure.h"
#include "support/TestDatabases.h"

using namespace qxmxz;

namespace {

int count(Connection &db, const char *sql)
{
    RecordSet rs = db.query(QString::fromUtf8(sql));
    return rs.field(0).toInt();
}

// Every voucher line, in a fixed order, reduced to one fingerprint.
QByteArray fingerprint(Connection &db)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    RecordSet rs = db.query(QStringLiteral("select * from GL_accvouch order by iperiod, isignseq, ino_id, inid"),
                            RecordSet::Cursor::Forward);
    for (; !rs.eof(); rs.moveNext())
        for (int i = 0; i < rs.fieldCount(); ++i)
            hash.addData(rs.field(i).toString().toUtf8().append('|'));
    return hash.result().toHex();
}

std::unique_ptr<Connection> generate(qint64 lines, quint64 seed)
{
    auto db = test::createScratchDatabase(Backend::Sqlite);
    db::CompanyOptions options;
    options.voucherLines = lines;
    options.seed = seed;
    db::generateCompany(*db, options);
    return db;
}

TEST(Generator, givesTheSameCompanyForTheSameSeed)
{
    auto first = generate(3001, 7);
    auto second = generate(3001, 7);
    auto other = generate(3001, 8);
    EXPECT_EQ(fingerprint(*first), fingerprint(*second));
    EXPECT_NE(fingerprint(*first), fingerprint(*other));
    EXPECT_EQ(count(*first, "select count(*) from GL_accvouch"), 3001);
    EXPECT_EQ(count(*other, "select count(*) from GL_accvouch"), 3001);
}

TEST(Generator, refusesACompanyWithoutVouchers)
{
    auto db = test::createScratchDatabase(Backend::Sqlite);
    db::CompanyOptions options;
    options.voucherLines = 1;
    EXPECT_THROW(db::generateCompany(*db, options), Failure);
}

class GeneratedCompanyTest : public ::testing::TestWithParam<Backend> {};

TEST_P(GeneratedCompanyTest, hasTheShapeOfALargeCompany)
{
    auto db = test::openGenerated(GetParam(), 20000);
    Connection &c = *db;
    EXPECT_EQ(count(c, "select count(*) from GL_accvouch"), 20000);
    const int endAccounts = count(c, "select count(*) from code where bend = 1");
    EXPECT_GE(endAccounts, 180);
    EXPECT_LE(endAccounts, 230);
    EXPECT_EQ(count(c, "select count(distinct igrade) from code"), 3);
    // About a tenth of the lines on the busy bank account.
    const int bank = count(c, "select count(*) from GL_accvouch where ccode = '100201'");
    EXPECT_GE(bank, 1400);
    EXPECT_LE(bank, 3000);
    EXPECT_GT(count(c, "select count(*) from GL_accvouch where cexch_name is not null and md_f + mc_f <> 0"), 100);
    EXPECT_GT(count(c, "select count(*) from GL_accvouch where nd_s + nc_s <> 0"), 1000);
    EXPECT_GT(count(c, "select count(*) from GL_accvouch where ibook = 0"), 100);
    EXPECT_EQ(count(c, "select count(*) from GL_accvouch where ibook = 0 and iflag is null and iperiod < 12"), 0);
    EXPECT_EQ(count(c, "select count(distinct iperiod) from GL_accvouch"), 12);
    // Balanced vouchers of two to four lines (SQLite sums money as floating point).
    EXPECT_EQ(count(c, "select count(*) from (select iperiod, csign, ino_id from GL_accvouch group by iperiod, csign, ino_id "
                       "having abs(sum(md) - sum(mc)) > 0.00005 or count(*) < 2 or count(*) > 4) t"), 0);
}

INSTANTIATE_TEST_SUITE_P(Backends, GeneratedCompanyTest, test::bothBackends(), test::backendTestName);

} // namespace

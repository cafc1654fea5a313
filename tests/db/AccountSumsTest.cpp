#include <QMap>
#include <algorithm>
#include <gtest/gtest.h>

#include "TinyCompany.h"
#include "install/AccountingDatabase.h"
#include "platform/values/Currency.h"
#include "support/Printers.h"
#include "support/TestDatabases.h"

using namespace qxmxz;

namespace {

Currency money(const RecordSet &rs, const char *column)
{
    return rs.money(QString::fromLatin1(column));
}

struct Movement {
    Currency debit, credit;
};

// Straight from the voucher lines, per period: the posted valid debits and
// credits of the accounts under a code, and the year opening of its end accounts.
QMap<int, Movement> postedMovements(Connection &db, const QString &code)
{
    QMap<int, Movement> sums;
    RecordSet rs = db.query(QStringLiteral("select iperiod, md, mc from GL_accvouch where iyear = 2026 and ccode like '%1%' "
                                           "and ibook = 1 and (iflag is null or iflag = 2)").arg(code));
    for (; !rs.eof(); rs.moveNext()) {
        Movement &m = sums[rs.field(QStringLiteral("iperiod")).toInt()];
        m.debit += money(rs, "md");
        m.credit += money(rs, "mc");
    }
    return sums;
}

Currency yearOpening(Connection &db, const QString &code)
{
    Currency sum;
    RecordSet rs = db.query(QStringLiteral("select s.cbegind_c, s.mb from GL_accsum s join code c on c.iyear = s.iyear and "
                                           "c.ccode = s.ccode where s.iyear = 2026 and s.iperiod = 1 and c.bend = 1 "
                                           "and s.ccode like '%1%'").arg(code));
    for (; !rs.eof(); rs.moveNext())
        sum += money(rs, "mb") * (rs.text(QStringLiteral("cbegind_c")) == u"贷" ? -1 : 1);
    return sum;
}

// For each code, GL_accsum read the way the general ledger reads it (an end
// account's own rows, else the rows of the non-end accounts under it) against
// sums taken directly from the vouchers, period by period.
void expectGeneralLedgerReadingAgreesWithVouchers(Connection &db, const QStringList &codes)
{
    for (const QString &code : codes) {
        RecordSet account = db.query(QStringLiteral("select bend from code where iyear = 2026 and ccode = '%1'").arg(code));
        ASSERT_FALSE(account.eof()) << code.toStdString();
        const QString condition = account.field(0).toInt() == 1 ? QStringLiteral("GL_accsum.ccode = '%1'").arg(code)
                                  : QStringLiteral("GL_accsum.ccode like '%1%' and code.bend = 0").arg(code);
        const auto movements = postedMovements(db, code);
        Currency balance = yearOpening(db, code);
        for (int period = 1; period <= 12; ++period) {
            SCOPED_TRACE(QStringLiteral("%1 period %2").arg(code).arg(period).toStdString());
            RecordSet stored = db.query(
                QStringLiteral("select sum(case when cbegind_c <> '贷' then mb else -mb end) as mbb, sum(md) as md, "
                               "sum(mc) as mc from GL_accsum inner join code on GL_accsum.iyear = code.iyear and "
                               "GL_accsum.ccode = code.ccode where %1 and GL_accsum.iperiod = %2 and code.iyear = 2026")
                    .arg(condition).arg(period));
            EXPECT_EQ(money(stored, "mbb"), balance);
            EXPECT_EQ(money(stored, "md"), movements.value(period).debit);
            EXPECT_EQ(money(stored, "mc"), movements.value(period).credit);
            balance += movements.value(period).debit - movements.value(period).credit;
        }
    }
}

void expectAgreement(Connection &db)
{
    const QStringList differences = db::reconcileAccountSums(db, 2026);
    EXPECT_TRUE(differences.isEmpty()) << differences.mid(0, 20).join(u'\n').toStdString();
}

class AccountSumsTest : public test::BackendTest {};

TEST_P(AccountSumsTest, agreeWithTheVouchersOfTheDemoCompany)
{
    auto db = test::openDemo(GetParam());
    expectAgreement(*db);
    // End accounts, a parent of end accounts (1002), a parent two grades up
    // (2221 → 222101 → 22210101), and accounts that change direction.
    expectGeneralLedgerReadingAgreesWithVouchers(*db, {"100201", "100202", "1002", "2221", "222101", "112203", "1122", "6602"});
}

TEST_P(AccountSumsTest, agreeWithTheVouchersOfAGeneratedCompany)
{
    auto db = test::openGenerated(GetParam(), 20000);
    expectAgreement(*db);
    expectGeneralLedgerReadingAgreesWithVouchers(*db, {"100201", "1002", "6602", "660201", "66020103", "2221", "1403"});
}

TEST_P(AccountSumsTest, reconciliationFindsWhatDoesNotAgreeAndARebuildRestoresIt)
{
    auto db = test::createScratchDatabase(GetParam());
    test::writeTinyCompany(*db);
    // Magnitudes beside their direction; a credit balance stays on the credit side.
    RecordSet revenue = db->query(QStringLiteral("select mb, me, cbegind_c, cendd_c from GL_accsum where ccode = '6001' and iperiod = 3"));
    EXPECT_EQ(QStringList({revenue.text(QStringLiteral("cbegind_c")), revenue.text(QStringLiteral("cendd_c"))}),
              QStringList({QStringLiteral("贷"), QStringLiteral("贷")}));
    EXPECT_EQ(money(revenue, "mb"), Currency::fromInteger(22150));
    EXPECT_EQ(money(revenue, "me"), Currency::fromInteger(22008));
    // Foreign amounts and quantities are carried like amounts.
    RecordSet dollars = db->query(QStringLiteral("select mb_f, me_f from GL_accsum where ccode = '100202' and iperiod = 3"));
    EXPECT_EQ(money(dollars, "mb_f"), Currency::fromInteger(1100));
    EXPECT_EQ(money(dollars, "me_f"), Currency::fromInteger(1080));
    RecordSet goods = db->query(QStringLiteral("select nb_s, ne_s from GL_accsum where ccode = '140501' and iperiod = 2"));
    EXPECT_DOUBLE_EQ(goods.field(QStringLiteral("nb_s")).toDouble(), 20.0);
    EXPECT_DOUBLE_EQ(goods.field(QStringLiteral("ne_s")).toDouble(), 30.0);
    // Every account has its twelve periods, also without movements.
    EXPECT_EQ(db->query(QStringLiteral("select count(*) from GL_accsum where iyear = 2026")).field(0).toInt(), 8 * 12);
    expectAgreement(*db);

    db->execute(QStringLiteral("update GL_accsum set md = md + 1 where ccode = '100201' and iperiod = 2"));
    db->execute(QStringLiteral("update GL_accsum set cendd_c = '借' where ccode = '6001' and iperiod = 5"));
    db->execute(QStringLiteral("delete from GL_accsum where ccode = '1122' and iperiod = 7"));
    // The unposted voucher of March booked behind the sums' back.
    db->execute(QStringLiteral("update GL_accvouch set ibook = 1, cbook = 'x' where iperiod = 3 and csign = '收' and ino_id = 1"));
    const QStringList differences = db::reconcileAccountSums(*db, 2026);
    for (const char *expected : {"100201 period 2: md", "6001 period 5: cendd_c", "1122 period 7: no row", "100201 period 3: md"})
        EXPECT_TRUE(std::any_of(differences.cbegin(), differences.cend(),
                                [expected](const QString &d) { return d.startsWith(QString::fromUtf8(expected)); }))
            << expected << " not in:\n" << differences.join(u'\n').toStdString();

    // A rebuild restores agreement and keeps the year openings.
    db::rebuildAccountSums(*db, 2026);
    expectAgreement(*db);
    expectGeneralLedgerReadingAgreesWithVouchers(*db, {"100201", "1002", "6001"});
    EXPECT_EQ(money(db->query(QStringLiteral("select mb from GL_accsum where ccode = '100201' and iperiod = 1")), "mb"),
              Currency::fromInteger(10000));
}

INSTANTIATE_TEST_SUITE_P(Backends, AccountSumsTest, test::allBackends(), test::backendTestName);

} // namespace

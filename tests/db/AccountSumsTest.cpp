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

Currency yuan(double value)
{
    return Currency::fromDouble(value);
}

Currency money(const RecordSet &rs, const char *column)
{
    return Currency::fromVariant(rs.field(QString::fromLatin1(column)));
}

// A GL_accsum row with its balances signed again (debit positive).
struct SumRow {
    Currency mb, md, mc, me, mb_f, me_f;
    double nb_s = 0, ne_s = 0;
    QString begin, end;
};

SumRow sumRow(Connection &db, const QString &code, int period)
{
    RecordSet rs = db.query(QStringLiteral("select * from GL_accsum where iyear = 2026 and ccode = '%1' and iperiod = %2")
                                .arg(code).arg(period));
    EXPECT_FALSE(rs.eof()) << code.toStdString() << " " << period;
    if (rs.eof())
        return {};
    const int b = rs.text(QStringLiteral("cbegind_c")) == u"贷" ? -1 : 1;
    const int e = rs.text(QStringLiteral("cendd_c")) == u"贷" ? -1 : 1;
    return {money(rs, "mb") * b, money(rs, "md"), money(rs, "mc"), money(rs, "me") * e, money(rs, "mb_f") * b,
            money(rs, "me_f") * e, rs.field(QStringLiteral("nb_s")).toDouble() * b, rs.field(QStringLiteral("ne_s")).toDouble() * e,
            rs.text(QStringLiteral("cbegind_c")), rs.text(QStringLiteral("cendd_c"))};
}

// Straight from the voucher lines: per period, the posted valid debits and
// credits of the accounts under a code.
QMap<int, std::pair<Currency, Currency>> postedMovements(Connection &db, const QString &code)
{
    QMap<int, std::pair<Currency, Currency>> sums;
    RecordSet rs = db.query(QStringLiteral("select iperiod, md, mc from GL_accvouch where iyear = 2026 and ccode like '%1%' "
                                           "and ibook = 1 and (iflag is null or iflag = 2)").arg(code));
    for (; !rs.eof(); rs.moveNext()) {
        auto &s = sums[rs.field(QStringLiteral("iperiod")).toInt()];
        s.first += money(rs, "md");
        s.second += money(rs, "mc");
    }
    return sums;
}

// The year opening of the end accounts under a code.
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

// What the general ledger reads for a code: its own rows when it is an end
// account, else the rows of the non-end accounts under it.
std::pair<Currency, Currency> generalLedgerMovement(Connection &db, const QString &code, int period, bool isEnd)
{
    const QString condition = isEnd ? QStringLiteral("GL_accsum.ccode = '%1'").arg(code)
                                    : QStringLiteral("GL_accsum.ccode like '%1%' and code.bend = 0").arg(code);
    RecordSet rs = db.query(QStringLiteral("select sum(md) as md, sum(mc) as mc "
                                           "from GL_accsum inner join code on GL_accsum.iyear = code.iyear and "
                                           "GL_accsum.ccode = code.ccode where %1 and GL_accsum.iperiod = %2 and code.iyear = 2026")
                                .arg(condition).arg(period));
    return {money(rs, "md"), money(rs, "mc")};
}

Currency generalLedgerOpening(Connection &db, const QString &code, int period, bool isEnd)
{
    const QString condition = isEnd ? QStringLiteral("GL_accsum.ccode = '%1'").arg(code)
                                    : QStringLiteral("GL_accsum.ccode like '%1%' and code.bend = 0").arg(code);
    RecordSet rs = db.query(QStringLiteral("select sum(case when cbegind_c <> '贷' then mb else -mb end) as mbb "
                                           "from GL_accsum inner join code on GL_accsum.iyear = code.iyear and "
                                           "GL_accsum.ccode = code.ccode where %1 and GL_accsum.iperiod = %2 and code.iyear = 2026")
                                .arg(condition).arg(period));
    return money(rs, "mbb");
}

// For each code: GL_accsum, read the way the general ledger reads it, against
// sums taken directly from the vouchers.
void expectSumsAgreeWithVouchers(Connection &db, const QStringList &codes)
{
    for (const QString &code : codes) {
        RecordSet account = db.query(QStringLiteral("select bend from code where iyear = 2026 and ccode = '%1'").arg(code));
        ASSERT_FALSE(account.eof()) << code.toStdString();
        const bool isEnd = account.field(0).toInt() == 1;
        const auto movements = postedMovements(db, code);
        Currency balance = yearOpening(db, code);
        for (int period = 1; period <= 12; ++period) {
            SCOPED_TRACE(QStringLiteral("%1 period %2").arg(code).arg(period).toStdString());
            EXPECT_EQ(generalLedgerOpening(db, code, period, isEnd), balance);
            const auto posted = movements.value(period);
            const auto stored = generalLedgerMovement(db, code, period, isEnd);
            EXPECT_EQ(stored.first, posted.first);
            EXPECT_EQ(stored.second, posted.second);
            balance += posted.first - posted.second;
        }
    }
}

void expectAgreement(Connection &db)
{
    const QStringList differences = db::reconcileAccountSums(db, 2026);
    EXPECT_TRUE(differences.isEmpty()) << differences.mid(0, 20).join(u'\n').toStdString();
}

class AccountSumsTest : public ::testing::TestWithParam<Backend> {};

TEST_P(AccountSumsTest, agreeWithTheVouchersOfTheDemoCompany)
{
    auto db = test::openDemo(GetParam());
    expectAgreement(*db);
    // End accounts, a parent of end accounts (1002), a parent two grades up
    // (2221 → 222101 → 22210101), and accounts that change direction.
    expectSumsAgreeWithVouchers(*db, {QStringLiteral("100201"), QStringLiteral("100202"), QStringLiteral("1002"),
                                      QStringLiteral("2221"), QStringLiteral("222101"), QStringLiteral("112203"),
                                      QStringLiteral("1122"), QStringLiteral("6602")});
}

TEST_P(AccountSumsTest, agreeWithTheVouchersOfAGeneratedCompany)
{
    auto db = test::openGenerated(GetParam(), 20000);
    expectAgreement(*db);
    expectSumsAgreeWithVouchers(*db, {QStringLiteral("100201"), QStringLiteral("1002"), QStringLiteral("6602"),
                                      QStringLiteral("660201"), QStringLiteral("66020103"), QStringLiteral("2221"),
                                      QStringLiteral("1403")});
}

TEST_P(AccountSumsTest, holdMagnitudesBesideTheirDirection)
{
    auto db = test::createScratchDatabase(GetParam());
    test::writeTinyCompany(*db);

    const SumRow bank = sumRow(*db, QStringLiteral("1002"), 1);
    EXPECT_EQ(bank.mb, yuan(17100));
    EXPECT_EQ(bank.md, yuan(500));
    EXPECT_EQ(bank.mc, yuan(300));
    EXPECT_EQ(bank.me, yuan(17300));
    EXPECT_EQ(bank.begin, QStringLiteral("借"));

    const SumRow dollars = sumRow(*db, QStringLiteral("100202"), 3);
    EXPECT_EQ(dollars.mb, yuan(7810));
    EXPECT_EQ(dollars.mb_f, yuan(1100));
    EXPECT_EQ(dollars.mc, yuan(142));
    EXPECT_EQ(dollars.me, yuan(7668));
    EXPECT_EQ(dollars.me_f, yuan(1080));

    const SumRow revenue = sumRow(*db, QStringLiteral("6001"), 3);
    EXPECT_EQ(revenue.begin, QStringLiteral("贷"));
    EXPECT_EQ(revenue.end, QStringLiteral("贷"));
    EXPECT_EQ(revenue.mb, yuan(-22150));
    EXPECT_EQ(revenue.me, yuan(-22008));

    const SumRow goods = sumRow(*db, QStringLiteral("140501"), 2);
    EXPECT_DOUBLE_EQ(goods.nb_s, 20.0);
    EXPECT_DOUBLE_EQ(goods.ne_s, 30.0);

    // The unposted and the voided vouchers of March count nowhere.
    EXPECT_EQ(sumRow(*db, QStringLiteral("100201"), 3).md, Currency());
    // Every account has its twelve periods, also without movements.
    RecordSet rows = db->query(QStringLiteral("select count(*) from GL_accsum where iyear = 2026"));
    EXPECT_EQ(rows.field(0).toInt(), 8 * 12);
    expectAgreement(*db);
}

TEST_P(AccountSumsTest, reconciliationFindsWhatDoesNotAgree)
{
    auto db = test::createScratchDatabase(GetParam());
    test::writeTinyCompany(*db);
    db->execute(QStringLiteral("update GL_accsum set md = md + 1 where ccode = '100201' and iperiod = 2"));
    db->execute(QStringLiteral("update GL_accsum set cendd_c = '借' where ccode = '6001' and iperiod = 5"));
    db->execute(QStringLiteral("delete from GL_accsum where ccode = '1122' and iperiod = 7"));
    db->execute(QStringLiteral("update GL_accvouch set ibook = 1, cbook = 'x' where iperiod = 3 and csign = '收' and ino_id = 1"));

    const QStringList differences = db::reconcileAccountSums(*db, 2026);
    auto mentions = [&differences](const char *what) {
        return std::any_of(differences.cbegin(), differences.cend(),
                           [what](const QString &d) { return d.startsWith(QString::fromUtf8(what)); });
    };
    EXPECT_TRUE(mentions("100201 period 2: md")) << differences.join(u'\n').toStdString();
    EXPECT_TRUE(mentions("6001 period 5: cendd_c")) << differences.join(u'\n').toStdString();
    EXPECT_TRUE(mentions("1122 period 7: no row")) << differences.join(u'\n').toStdString();
    EXPECT_TRUE(mentions("100201 period 3: md")) << differences.join(u'\n').toStdString();

    // A rebuild restores agreement and keeps the year openings.
    db::rebuildAccountSums(*db, 2026);
    expectAgreement(*db);
    EXPECT_EQ(sumRow(*db, QStringLiteral("100201"), 1).mb, yuan(10000));
    EXPECT_EQ(sumRow(*db, QStringLiteral("100201"), 3).md, yuan(200));
}

INSTANTIATE_TEST_SUITE_P(Backends, AccountSumsTest, test::bothBackends(), test::backendTestName);

} // namespace

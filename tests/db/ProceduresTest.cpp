#include <QDate>
#include <gtest/gtest.h>

#include "TinyCompany.h"
#include "platform/values/Currency.h"
#include "support/Printers.h"
#include "support/TestDatabases.h"

using namespace qxmxz;

namespace {

QString text(const RecordSet &rs, const char *column)
{
    return rs.text(QString::fromLatin1(column));
}

QString money(const RecordSet &rs, const char *column)
{
    return rs.money(QString::fromLatin1(column)).toString();
}

QString quantity(const RecordSet &rs, const char *column)
{
    return QString::number(rs.field(QString::fromLatin1(column)).toDouble());
}

// Each row of a result as the listed columns joined by " ".
QStringList rows(RecordSet rs, QString (*row)(const RecordSet &))
{
    QStringList list;
    for (; !rs.eof(); rs.moveNext())
        list << row(rs);
    return list;
}

class ProceduresTest : public test::BackendTest {
protected:
    void SetUp() override
    {
        BackendTest::SetUp();
        if (IsSkipped())
            return;
        m_db = test::createScratchDatabase(GetParam());
        test::writeTinyCompany(*m_db);
    }

    RecordSet subsLedger(const char *code, int begin, int end, int unposted, int byPeriod)
    {
        return m_db->procedure(QStringLiteral("GL_SubsLedger"))
            .set(QStringLiteral("KmCode"), QString::fromLatin1(code))
            .set(QStringLiteral("beginPeriod"), begin)
            .set(QStringLiteral("endPeriod"), end)
            .set(QStringLiteral("bVouch"), unposted)
            .set(QStringLiteral("byPeriod"), byPeriod)
            .set(QStringLiteral("iyear"), 2026)
            .execute();
    }

    std::unique_ptr<Connection> m_db;
};

TEST_P(ProceduresTest, subsLedgerListsTheValidLinesOfAPeriodRangeByAccountOrByDate)
{
    struct Case {
        const char *code;
        int begin, end, unposted, byPeriod;
        QStringList lines; // account period type-number
    };
    const Case cases[] = {
        {"1002%", 1, 12, 0, 0, {"100201 1 收-1", "100201 1 付-1", "100201 2 转-1", "100201 2 收-2", "100202 2 收-1", "100202 3 付-1"}},
        // Unposted lines come in, voided ones never.
        {"1002%", 1, 12, 1, 0,
         {"100201 1 收-1", "100201 1 付-1", "100201 2 转-1", "100201 2 收-2", "100201 3 收-1", "100202 2 收-1", "100202 3 付-1"}},
        {"1002%", 1, 12, 1, 1,
         {"100201 1 收-1", "100201 1 付-1", "100202 2 收-1", "100201 2 转-1", "100201 2 收-2", "100201 3 收-1", "100202 3 付-1"}},
        {"1002%", 2, 2, 0, 0, {"100201 2 转-1", "100201 2 收-2", "100202 2 收-1"}},
        {"1002%", 4, 12, 1, 0, {}},
        {"9999%", 1, 12, 1, 0, {}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(rows(subsLedger(c.code, c.begin, c.end, c.unposted, c.byPeriod),
                       [](const RecordSet &rs) {
                           return QStringLiteral("%1 %2 %3-%4").arg(text(rs, "cCode"), text(rs, "iPeriod"), text(rs, "cSign"),
                                                                    text(rs, "ino_id"));
                       }),
                  c.lines)
            << c.code << " " << c.begin << "-" << c.end << " unposted " << c.unposted << " by period " << c.byPeriod;

    // The columns of a line, and the unposted flag.
    RecordSet rs = subsLedger("1002%", 1, 12, 1, 0);
    ASSERT_TRUE(rs.find(QStringLiteral("cCode = '100202' and iPeriod = 2")));
    EXPECT_EQ(QStringList({text(rs, "isignseq"), text(rs, "iNid"), rs.field(QStringLiteral("dbill_date")).toDate().toString(Qt::ISODate),
                           text(rs, "cDigest"), text(rs, "iBook"), text(rs, "ccode_equal"), money(rs, "md"), money(rs, "mc"),
                           money(rs, "md_f"), text(rs, "cexch_name"), quantity(rs, "nfrat"), quantity(rs, "frate"),
                           text(rs, "cBill"), text(rs, "ccheck")}),
              QStringList({"1", "1", "2026-02-03", "美元收款", "1", "112201", "710", "0", "100", "美元", "7.1", "7.1", "王芳", "赵强"}));
    EXPECT_TRUE(rs.isNull(QStringLiteral("cPerson_id")) && rs.isNull(QStringLiteral("cDefine1")) &&
                rs.isNull(QStringLiteral("cOutSysName")));
    ASSERT_TRUE(rs.find(QStringLiteral("cCode = '100201' and iPeriod = 3")));
    EXPECT_EQ(QStringList({text(rs, "iBook"), money(rs, "md")}), QStringList({"0", "200"}));
    RecordSet goods = subsLedger("1405%", 1, 12, 0, 0);
    EXPECT_EQ(QStringList({quantity(goods, "nd_s"), quantity(goods, "Price")}), QStringList({"10", "100"}));
    EXPECT_TRUE(goods.isNull(QStringLiteral("cexch_name")));
}

TEST_P(ProceduresTest, codeExchBeginGivesTheOpeningOfAPeriodPerCurrency)
{
    auto opening = [this](const char *code, int period, int unposted) {
        return rows(m_db->procedure(QStringLiteral("GL_CodeExchBegin"))
                        .set(QStringLiteral("KmCode"), QString::fromLatin1(code))
                        .set(QStringLiteral("iPeriod"), period)
                        .set(QStringLiteral("bVouch"), unposted)
                        .set(QStringLiteral("iyear"), 2026)
                        .execute(),
                    [](const RecordSet &rs) {
                        // currency: debit/credit before the period, balance; the same in foreign money; quantities
                        return QStringLiteral("%1: %2/%3 %4, %5/%6 %7, %8 %9")
                            .arg(rs.isNull(QStringLiteral("cexch_name")) ? QStringLiteral("home") : text(rs, "cexch_name"),
                                 money(rs, "md"), money(rs, "mc"), money(rs, "Me"), money(rs, "md_f"), money(rs, "mc_f"),
                                 money(rs, "me_f"), quantity(rs, "nd_s"), quantity(rs, "ne_s"));
                    });
    };
    EXPECT_EQ(opening("1002%", 1, 1), QStringList({"home: 0/0 10000, 0/0 0, 0 0", "美元: 0/0 7100, 0/0 1000, 0 0"}));
    EXPECT_EQ(opening("1002%", 3, 0), QStringList({"home: 550/1300 9250, 0/0 0, 0 0", "美元: 710/0 7810, 100/0 1100, 0 0"}));
    // With unposted lines; the voided one never counts.
    EXPECT_EQ(opening("1002%", 4, 1), QStringList({"home: 750/1300 9450, 0/0 0, 0 0", "美元: 710/142 7668, 100/20 1080, 0 0"}));
    // A credit balance comes back negative; quantities are carried too.
    EXPECT_EQ(opening("6001%", 4, 0), QStringList({"home: 142/50 -22008, 0/0 0, 0 0"}));
    EXPECT_EQ(opening("1405%", 3, 0), QStringList({"home: 1000/0 3000, 0/0 0, 10 30"}));
}

TEST_P(ProceduresTest, glCodeSumsEachPeriodAndCurrency)
{
    auto sums = [this](const char *call) {
        return rows(m_db->query(QString::fromUtf8(call)), [](const RecordSet &rs) {
            return QStringLiteral("%1 %2 %3/%4 %5/%6 %7/%8")
                .arg(text(rs, "iPeriod"), rs.isNull(QStringLiteral("cexch_name")) ? QStringLiteral("-") : text(rs, "cexch_name"),
                     money(rs, "md"), money(rs, "mc"), money(rs, "md_f"), money(rs, "mc_f"), quantity(rs, "nd_s"),
                     quantity(rs, "nc_s"));
        });
    };
    EXPECT_EQ(sums("GL_glCode '1002%',1,12,1,2026"),
              QStringList({"1 - 500/300 0/0 0/0", "2 - 50/1000 0/0 0/0", "2 美元 710/0 100/0 0/0", "3 - 200/0 0/0 0/0",
                           "3 美元 0/142 0/20 0/0"}));
    EXPECT_EQ(sums("GL_glCode '1002%',2,12,0,2026"),
              QStringList({"2 - 50/1000 0/0 0/0", "2 美元 710/0 100/0 0/0", "3 美元 0/142 0/20 0/0"}));
    EXPECT_EQ(sums("GL_glCode '1405%',1,12,0,2026"), QStringList({"2 - 1000/0 0/0 10/0"}));
}

INSTANTIATE_TEST_SUITE_P(Backends, ProceduresTest, test::allBackends(), test::backendTestName);

} // namespace

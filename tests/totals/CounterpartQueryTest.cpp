// The counterpart lines of a voucher line, on SQLite and PostgreSQL, with
// vouchers added to a copy of the demo company.

#include "totals/CounterpartQuery.h"

#include <gtest/gtest.h>

#include <map>

#include "platform/outside/QtStringPrinting.h"
#include "support/TestDatabases.h"
#include "support/TestSession.h"

namespace qxmxz {
namespace {

using test::TestSession;

struct Line {
    int voucher;
    int inid;
    const char *code;
    const char *debit;
    const char *credit;
    int ibook = 1;
    const char *iflag = "null";
};

// Vouchers of type 转 in period 5, numbered apart from the demo's own.
const Line TestLines[] = {
    // One debit line and three credit lines.
    {9001, 1, "660201", "300", "0"},
    {9001, 2, "1001", "0", "100"},
    {9001, 3, "100201", "0", "150"},
    {9001, 4, "220201", "0", "50"},
    // Two debit lines, one credit line.
    {9002, 1, "660201", "100", "0"},
    {9002, 2, "660202", "50", "0"},
    {9002, 3, "1001", "0", "150"},
    // The account with two lines in the voucher.
    {9003, 1, "660201", "100", "0"},
    {9003, 2, "660201", "50", "0"},
    {9003, 3, "1001", "0", "150"},
    // Not posted.
    {9004, 1, "660201", "80", "0", 0},
    {9004, 2, "1001", "0", "30", 0},
    {9004, 3, "100201", "0", "50", 0},
    // A voided credit line leaves one valid counterpart; iflag 2 is valid.
    {9005, 1, "660201", "100", "0"},
    {9005, 2, "1001", "0", "100", 1, "2"},
    {9005, 3, "100201", "0", "100", 1, "1"},
};

class CounterpartQueryTest : public ::testing::TestWithParam<Backend> {
protected:
    // One scratch session per backend for the whole suite, closed when the
    // suite ends: connections must close before the program's exit handlers run.
    static std::map<Backend, std::unique_ptr<TestSession>> &sessions()
    {
        static std::map<Backend, std::unique_ptr<TestSession>> open;
        return open;
    }
    static void TearDownTestSuite() { sessions().clear(); }

    static TestSession &sessionFor(Backend backend)
    {
        std::unique_ptr<TestSession> &s = sessions()[backend];
        if (!s) {
            s = test::openScratchDemoSession(backend);
            Connection &db = s->pub.database();
            for (const Line &l : TestLines)
                db.execute(QStringLiteral("insert into GL_accvouch (iyear,iperiod,csign,isignseq,ino_id,inid,dbill_date,"
                                          "cdigest,ccode,md,mc,ibook,iflag) values (%1,5,'转',3,%2,%3,'2026-05-20',"
                                          "'counterpart test','%4',%5,%6,%7,%8)")
                               .arg(s->pub.year())
                               .arg(l.voucher)
                               .arg(l.inid)
                               .arg(QString::fromLatin1(l.code), QString::fromLatin1(l.debit),
                                    QString::fromLatin1(l.credit))
                               .arg(l.ibook)
                               .arg(QString::fromLatin1(l.iflag)));
        }
        return *s;
    }

    void SetUp() override { pub = &sessionFor(GetParam()).pub; }

    QString query(const char *code, int voucher, bool includeUnposted = false, int firstPeriod = 1,
                  std::optional<int> lastPeriod = std::nullopt)
    {
        return CounterpartQuery(*pub, QString::fromLatin1(code), 5, QStringLiteral("转"), voucher, includeUnposted,
                                firstPeriod, QVariant(), lastPeriod);
    }

    // The account codes and line numbers the query lists, in its order.
    QStringList linesOf(const QString &sql)
    {
        QStringList lines;
        RecordSet rs = pub->database().query(sql);
        for (; !rs.eof(); rs.moveNext())
            lines << rs.text(QStringLiteral("ccode")) + QLatin1Char('/') + rs.text(QStringLiteral("inid"));
        return lines;
    }

    GlPublic *pub = nullptr;
};

TEST_P(CounterpartQueryTest, TheOnlyDebitLineHasTheCreditLinesAsCounterparts)
{
    const QString sql = query("660201", 9001);
    ASSERT_FALSE(sql.isEmpty());
    EXPECT_TRUE(sql.contains(QStringLiteral(" and mc<>0")));
    EXPECT_TRUE(sql.endsWith(QStringLiteral(" and ibook=1 order by isignseq,ino_id,inid")));
    EXPECT_EQ(linesOf(sql), (QStringList{QStringLiteral("1001/2"), QStringLiteral("100201/3"), QStringLiteral("220201/4")}));
}

TEST_P(CounterpartQueryTest, ACreditLineAmongSeveralHasNone)
{
    EXPECT_EQ(query("1001", 9001), QString());
    EXPECT_EQ(query("220201", 9001), QString());
}

TEST_P(CounterpartQueryTest, TwoDebitLinesHaveNoUnambiguousCounterparts)
{
    EXPECT_EQ(query("660201", 9002), QString());
    EXPECT_EQ(query("660202", 9002), QString());
}

TEST_P(CounterpartQueryTest, TheOnlyCreditLineHasTheDebitLinesAsCounterparts)
{
    const QString sql = query("1001", 9002);
    ASSERT_FALSE(sql.isEmpty());
    EXPECT_EQ(linesOf(sql), (QStringList{QStringLiteral("660201/1"), QStringLiteral("660202/2")}));
}

TEST_P(CounterpartQueryTest, AnAccountWithTwoLinesInTheVoucherHasNone)
{
    EXPECT_EQ(query("660201", 9003), QString());
    const QString sql = query("1001", 9003);
    EXPECT_EQ(linesOf(sql), (QStringList{QStringLiteral("660201/1"), QStringLiteral("660201/2")}));
}

TEST_P(CounterpartQueryTest, UnpostedVouchersOnlyWhenIncluded)
{
    EXPECT_EQ(query("660201", 9004), QString());
    const QString sql = query("660201", 9004, true);
    ASSERT_FALSE(sql.isEmpty());
    EXPECT_FALSE(sql.contains(QStringLiteral("ibook")));
    EXPECT_EQ(linesOf(sql), (QStringList{QStringLiteral("1001/2"), QStringLiteral("100201/3")}));
}

TEST_P(CounterpartQueryTest, VoidedLinesDoNotCount)
{
    const QString sql = query("660201", 9005);
    EXPECT_EQ(linesOf(sql), (QStringList{QStringLiteral("1001/2")}));
    EXPECT_EQ(query("100201", 9005), QString());
}

TEST_P(CounterpartQueryTest, PeriodBoundsNarrowTheLines)
{
    EXPECT_EQ(query("660201", 9001, false, 6), QString());
    EXPECT_EQ(query("660201", 9001, false, 1, 4), QString());
    const QString sql = query("660201", 9001, false, 5, 5);
    EXPECT_TRUE(sql.contains(QStringLiteral(" and iperiod<=12 and iperiod>=5 and iperiod<=5 and ibook=1")));
    EXPECT_EQ(linesOf(sql).size(), 3);
}

TEST_P(CounterpartQueryTest, NoLineOfTheAccountGivesNothing)
{
    EXPECT_EQ(query("1122", 9001), QString());
    EXPECT_EQ(query("66'02", 9001), QString());
    EXPECT_EQ(query("660201", 9999), QString());
    EXPECT_EQ(CounterpartQuery(*pub, QStringLiteral("660201"), 5, QStringLiteral("收'"), 9001, false, 1), QString());
}

INSTANTIATE_TEST_SUITE_P(Backends, CounterpartQueryTest, test::bothBackends(), test::backendTestName);

} // namespace
} // namespace qxmxz

// The counterpart lines of a voucher line, on SQLite and PostgreSQL, with
// vouchers added to a copy of the demo company.

#include "totals/CounterpartQuery.h"

#include <gtest/gtest.h>

#include "support/Printers.h"
#include "support/TestDatabases.h"
#include "support/TestSession.h"

namespace qxmxz {
namespace {

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
    void SetUp() override
    {
        session = test::openScratchDemoSession(GetParam());
        pub = &session->pub;
        for (const Line &l : TestLines)
            pub->database().execute(
                QStringLiteral("insert into GL_accvouch (iyear,iperiod,csign,isignseq,ino_id,inid,dbill_date,cdigest,"
                               "ccode,md,mc,ibook,iflag) values (%1,5,'转',3,%2,%3,'2026-05-20','counterpart test',"
                               "'%4',%5,%6,%7,%8)")
                    .arg(pub->year())
                    .arg(l.voucher)
                    .arg(l.inid)
                    .arg(QString::fromLatin1(l.code), QString::fromLatin1(l.debit), QString::fromLatin1(l.credit))
                    .arg(l.ibook)
                    .arg(QString::fromLatin1(l.iflag)));
    }

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

    std::unique_ptr<test::TestSession> session;
    GlPublic *pub = nullptr;
};

TEST_P(CounterpartQueryTest, OnlyALoneLineOnItsSideHasCounterparts)
{
    const struct {
        const char *code;
        int voucher;
        QStringList lines; // none: no query at all
    } cases[] = {
        // One debit line and three credit lines.
        {"660201", 9001, {"1001/2", "100201/3", "220201/4"}},
        {"1001", 9001, {}},
        {"220201", 9001, {}},
        // Two debit lines.
        {"660201", 9002, {}},
        {"660202", 9002, {}},
        {"1001", 9002, {"660201/1", "660202/2"}},
        // The account with two lines in the voucher.
        {"660201", 9003, {}},
        {"1001", 9003, {"660201/1", "660201/2"}},
        // Unposted, and voided lines that do not count (iflag 2 is valid).
        {"660201", 9004, {}},
        {"660201", 9005, {"1001/2"}},
        {"100201", 9005, {}},
        // No line of the account.
        {"1122", 9001, {}},
        {"66'02", 9001, {}},
        {"660201", 9999, {}},
    };
    for (const auto &c : cases) {
        const QString sql = query(c.code, c.voucher);
        if (c.lines.isEmpty())
            EXPECT_EQ(sql, QString()) << c.code << " in " << c.voucher;
        else
            EXPECT_EQ(linesOf(sql), c.lines) << c.code << " in " << c.voucher;
    }
}

TEST_P(CounterpartQueryTest, UnpostedVouchersAndPeriodBounds)
{
    EXPECT_EQ(linesOf(query("660201", 9004, true)), (QStringList{QStringLiteral("1001/2"), QStringLiteral("100201/3")}));
    EXPECT_EQ(query("660201", 9001, false, 6), QString());
    EXPECT_EQ(query("660201", 9001, false, 1, 4), QString());
    EXPECT_EQ(linesOf(query("660201", 9001, false, 5, 5)).size(), 3);
    EXPECT_EQ(CounterpartQuery(*pub, QStringLiteral("660201"), 5, QStringLiteral("收'"), 9001, false, 1), QString());
}

INSTANTIATE_TEST_SUITE_P(Backends, CounterpartQueryTest, test::bothBackends(), test::backendTestName);

} // namespace
} // namespace qxmxz

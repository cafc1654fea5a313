// The counterpart lines of a voucher line, on SQLite and PostgreSQL, with
// vouchers added to a copy of the demo company.

#include "totals/CounterpartQuery.h"

#include <gtest/gtest.h>

#include "platform/sql/Connection.h"
#include "support/Printers.h"
#include "support/ScratchVouchers.h"
#include "support/TestDatabases.h"
#include "support/TestSession.h"

namespace qxmxz {
namespace {

// A voucher line of the home currency: account, debit, credit.
test::ScratchLine line(const char *code, int debit, int credit)
{
    return {.code = QString::fromLatin1(code), .debit = Currency::fromInteger(debit),
            .credit = Currency::fromInteger(credit)};
}

class CounterpartQueryTest : public test::BackendTest {
protected:
    void SetUp() override
    {
        BackendTest::SetUp();
        if (IsSkipped())
            return;
        session = test::openScratchDemoSession(GetParam());
        pub = &session->pub;
        // Vouchers 9001 to 9005 of type 转 in period 5, numbered apart from the demo's own; 9004 is not posted.
        const QList<test::ScratchLine> vouchers[] = {
            {line("660201", 300, 0), line("1001", 0, 100), line("100201", 0, 150), line("220201", 0, 50)},
            {line("660201", 100, 0), line("660202", 50, 0), line("1001", 0, 150)},
            {line("660201", 100, 0), line("660201", 50, 0), line("1001", 0, 150)},
            {line("660201", 80, 0), line("1001", 0, 30), line("100201", 0, 50)},
            {line("660201", 100, 0), line("1001", 0, 100), line("100201", 0, 100)},
        };
        for (int i = 0; i < 5; ++i)
            test::addScratchVoucher(pub->database(), pub->year(),
                                    {.period = 5, .date = QDate(pub->year(), 5, 20), .number = 9001 + i,
                                     .posted = i != 3, .lines = vouchers[i]});
        // In 9005 the voided credit line (iflag 1) leaves one valid counterpart; iflag 2 is valid.
        for (const char *flag : {"iflag = 2 where inid = 2", "iflag = 1 where inid = 3"})
            pub->database().execute(
                QStringLiteral("update GL_accvouch set %1 and ino_id = 9005").arg(QLatin1String(flag)));
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
        for (RecordSet rs = pub->database().query(sql); !rs.eof(); rs.moveNext())
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
        {"660201", 9001, {"1001/2", "100201/3", "220201/4"}}, {"1001", 9001, {}}, {"220201", 9001, {}},
        // Two debit lines.
        {"660201", 9002, {}}, {"660202", 9002, {}}, {"1001", 9002, {"660201/1", "660202/2"}},
        // The account with two lines in the voucher.
        {"660201", 9003, {}}, {"1001", 9003, {"660201/1", "660201/2"}},
        // Unposted, and voided lines that do not count.
        {"660201", 9004, {}}, {"660201", 9005, {"1001/2"}}, {"100201", 9005, {}},
        // No line of the account.
        {"1122", 9001, {}}, {"66'02", 9001, {}}, {"660201", 9999, {}},
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

INSTANTIATE_TEST_SUITE_P(Backends, CounterpartQueryTest, test::allBackends(), test::backendTestName);

} // namespace
} // namespace qxmxz

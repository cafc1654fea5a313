// The counterpart lines of a voucher line, on SQLite and PostgreSQL, with
// vouchers added to a copy of the demo company: one voucher at a time, and
// walked beside the lines of a ledger.

#include "totals/CounterpartLines.h"
#include "totals/CounterpartWalk.h"

#include <gtest/gtest.h>

#include "platform/outside/FiscalCalendar.h"
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

class CounterpartLinesTest : public test::BackendTest {
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
        // In 9007 the account stands on both sides, each time its side's only line.
        test::addScratchVoucher(pub->database(), pub->year(),
                                {.period = 5, .date = QDate(pub->year(), 5, 21), .number = 9007,
                                 .lines = {line("660201", 150, 0), line("1001", 0, 100), line("660201", 0, 50)}});
        // 9006's lines are stored out of their line order: 1, 5, 4.
        test::addScratchVoucher(pub->database(), pub->year(),
                                {.period = 5, .date = QDate(pub->year(), 5, 21), .number = 9006,
                                 .lines = {line("660201", 200, 0), line("1001", 0, 50), line("100201", 0, 150)}});
        pub->database().execute(QStringLiteral(
            "update GL_accvouch set inid = case inid when 2 then 5 when 3 then 4 else inid end where ino_id = 9006"));
        // In 9005 the voided credit line (iflag 1) leaves one valid counterpart; iflag 2 is valid.
        for (const char *flag : {"iflag = 2 where inid = 2", "iflag = 1 where inid = 3"})
            pub->database().execute(
                QStringLiteral("update GL_accvouch set %1 and ino_id = 9005").arg(QLatin1String(flag)));
    }

    // The account codes and line numbers of the counterparts, in their order.
    QStringList query(const char *code, int voucher, bool includeUnposted = false, int firstPeriod = 1,
                      std::optional<int> lastPeriod = std::nullopt)
    {
        return linesOf(CounterpartLines(pub->database(), pub->year(), QString::fromLatin1(code), 5,
                                        QStringLiteral("转"), voucher, includeUnposted, firstPeriod, {}, lastPeriod));
    }

    static QStringList linesOf(const QList<CounterpartLine> &lines)
    {
        QStringList texts;
        for (const CounterpartLine &l : lines)
            texts << l.code + QLatin1Char('/') + QString::number(l.lineNumber);
        return texts;
    }

    // The same with the amounts, to compare two ways of reading them.
    static QStringList linesAndAmountsOf(const QList<CounterpartLine> &lines)
    {
        QStringList texts;
        for (const CounterpartLine &l : lines)
            texts << l.code + QLatin1Char('/') + QString::number(l.lineNumber) + QLatin1Char('/')
                         + l.md.toString() + QLatin1Char('/') + l.mc.toString();
        return texts;
    }

    // Walks the valid lines of the accounts like `pattern` in the order of
    // `order` and checks each line's counterparts against its voucher's own
    // query; returns how many lines had counterparts.
    int walkAgreesWithEachVoucher(const QString &pattern, const QString &order, bool includeUnposted)
    {
        CounterpartWalk walk(pub->database(), pub->year(), pattern, includeUnposted, 1);
        int withCounterparts = 0;
        for (RecordSet rs = pub->database().query(
                 QStringLiteral("select ccode,iperiod,dbill_date,csign,ino_id from gl_accvouch where iyear=%1 and "
                                "ccode like N'%2' and (iflag is null or iflag=2)%3 order by %4")
                     .arg(pub->year())
                     .arg(pattern, includeUnposted ? QString() : QStringLiteral(" and ibook=1"), order),
                 RecordSet::Cursor::Forward);
             !rs.eof(); rs.moveNext()) {
            const QString code = rs.text(QStringLiteral("ccode")).trimmed();
            const int period = rs.field(QStringLiteral("iperiod")).toInt();
            const QString sign = rs.text(QStringLiteral("csign")).trimmed();
            const int number = rs.field(QStringLiteral("ino_id")).toInt();
            const QList<CounterpartLine> walked =
                walk.linesFor(code, period, toDate(rs.field(QStringLiteral("dbill_date"))), sign, number);
            const QList<CounterpartLine> alone =
                CounterpartLines(pub->database(), pub->year(), code, period, sign, number, includeUnposted, 1);
            EXPECT_EQ(linesAndAmountsOf(walked), linesAndAmountsOf(alone))
                << code.toStdString() << " in " << sign.toStdString() << '-' << number << " of period " << period;
            withCounterparts += !alone.isEmpty();
        }
        return withCounterparts;
    }

    std::unique_ptr<test::TestSession> session;
    GlPublic *pub = nullptr;
};

TEST_P(CounterpartLinesTest, OnlyALoneLineOnItsSideHasCounterparts)
{
    const struct {
        const char *code;
        int voucher;
        QStringList lines; // none: no counterparts
    } cases[] = {
        // One debit line and three credit lines.
        {"660201", 9001, {"1001/2", "100201/3", "220201/4"}}, {"1001", 9001, {}}, {"220201", 9001, {}},
        // Two debit lines.
        {"660201", 9002, {}}, {"660202", 9002, {}}, {"1001", 9002, {"660201/1", "660202/2"}},
        // The account with two lines in the voucher.
        {"660201", 9003, {}}, {"1001", 9003, {"660201/1", "660201/2"}}, {"660201", 9007, {}},
        // Unposted, and voided lines that do not count.
        {"660201", 9004, {}}, {"660201", 9005, {"1001/2"}}, {"100201", 9005, {}},
        // Lines stored out of their order come in line order.
        {"660201", 9006, {"100201/4", "1001/5"}},
        // No line of the account.
        {"1122", 9001, {}}, {"66'02", 9001, {}}, {"660201", 9999, {}},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(query(c.code, c.voucher), c.lines) << c.code << " in " << c.voucher;
    }
}

TEST_P(CounterpartLinesTest, UnpostedVouchersAndPeriodBounds)
{
    EXPECT_EQ(query("660201", 9004, true), (QStringList{QStringLiteral("1001/2"), QStringLiteral("100201/3")}));
    EXPECT_EQ(query("660201", 9001, false, 6), QStringList());
    EXPECT_EQ(query("660201", 9001, false, 1, 4), QStringList());
    EXPECT_EQ(query("660201", 9001, false, 5, 5).size(), 3);
    EXPECT_EQ(linesOf(CounterpartLines(pub->database(), pub->year(), QStringLiteral("660201"), 5, QStringLiteral("收'"), 9001,
                                       false, 1)),
              QStringList());
}

TEST_P(CounterpartLinesTest, TheWalkBesideALedgerFindsWhatEachVoucherFinds)
{
    const QString byCode = QStringLiteral("ccode,iperiod,dbill_date,isignseq,ino_id,inid");
    const QString byPeriod = QStringLiteral("iperiod,dbill_date,isignseq,ino_id,inid");
    // One account, then the accounts of a parent one after the other, as the ledger by code reads them.
    EXPECT_GT(walkAgreesWithEachVoucher(QStringLiteral("660201%"), byCode, false), 0);
    EXPECT_GT(walkAgreesWithEachVoucher(QStringLiteral("1002%"), byCode, true), 0);
    // The accounts mixed in date order, as the ledger by period reads them.
    EXPECT_GT(walkAgreesWithEachVoucher(QStringLiteral("1%"), byPeriod, false), 0);
    // Backwards: every line behind the walk.
    EXPECT_GT(walkAgreesWithEachVoucher(QStringLiteral("1001%"), QStringLiteral("iperiod desc,dbill_date desc,ino_id"),
                                        false),
              0);
}

INSTANTIATE_TEST_SUITE_P(Backends, CounterpartLinesTest, test::allBackends(), test::backendTestName);

} // namespace
} // namespace qxmxz

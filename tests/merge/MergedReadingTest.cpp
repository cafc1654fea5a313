// The merged ledger reads the vouchers and the grouped lines of one period at
// a time; the rows it writes must be exactly those of the plain reading, one
// voucher list for all periods and one or two statements per voucher,
// whatever the company, grouping, periods or backend.
#include <gtest/gtest.h>

#include "MergeRig.h"
#include "install/AccountingDatabase.h"
#include "platform/sql/Connection.h"
#include "support/Printers.h"
#include "support/ScratchVouchers.h"
#include "support/TestDatabases.h"

using namespace qxmxz;
using namespace qxmxz::test;

namespace {

struct Reading {
    QList<QStringList> rows;
    int gridRows = 0;
};

Reading readLedger(MergeRig &r, const QString &code, clsMxzHb::mxzHbType type, bool eachVoucher, bool unposted)
{
    r.hb.setReadsEachVoucher(eachVoucher);
    r.hb.setInclude(unposted);
    r.query(code, type);
    return {r.tableRows(), r.rows()};
}

void expectSameRows(MergeRig &r, const QStringList &codes, const QString &company)
{
    for (const QString &code : codes)
        for (const auto type : {clsMxzHb::enuCodeDigest, clsMxzHb::enuKmCode})
            for (const bool unposted : {false, true}) {
                SCOPED_TRACE((company + QStringLiteral(" %1 by %2%3"))
                                 .arg(code, type == clsMxzHb::enuCodeDigest ? QStringLiteral("summary")
                                                                            : QStringLiteral("account"),
                                      unposted ? QStringLiteral(" with unposted") : QString())
                                 .toStdString());
                const Reading plain = readLedger(r, code, type, true, unposted);
                const Reading period = readLedger(r, code, type, false, unposted);
                ASSERT_GT(plain.rows.size(), 2) << "no voucher rows to compare";
                EXPECT_EQ(period.gridRows, plain.gridRows);
                ASSERT_EQ(period.rows.size(), plain.rows.size());
                for (qsizetype i = 0; i < plain.rows.size(); ++i)
                    ASSERT_EQ(period.rows[i], plain.rows[i]) << "row " << i;
            }
}

class MergedReading : public test::BackendTest {};

TEST_P(MergedReading, DemoCompanyGivesTheRowsOfTheReadingPerVoucher)
{
    MergeRig r(openDemoSession(GetParam()));
    expectSameRows(r, {QStringLiteral("1002"), QStringLiteral("100202"), QStringLiteral("1122"), QStringLiteral("1403"),
                       QStringLiteral("6602")},
                   QStringLiteral("demo"));
}

TEST_P(MergedReading, GeneratedCompanyGivesTheRowsOfTheReadingPerVoucher)
{
    MergeRig r(openSession(std::shared_ptr<Connection>(openGenerated(GetParam(), 6000)), QStringLiteral("demo"),
                           QStringLiteral("zh-CN"), 2026));
    expectSameRows(r,
                   {QStringLiteral("1002"), QStringLiteral("100201"), QStringLiteral("1122"), QStringLiteral("1403"),
                    QStringLiteral("2202")},
                   QStringLiteral("generated"));
}

// Periods inside the year: the period reading lists the first and the last
// period of the range and none outside it, for one code a period at a time.
TEST_P(MergedReading, APeriodRangeInsideTheYearGivesTheSameRows)
{
    MergeRig r(openSession(std::shared_ptr<Connection>(openGenerated(GetParam(), 6000)), QStringLiteral("demo"),
                           QStringLiteral("zh-CN"), 2026));
    r.hb.iStart = 3;
    r.hb.iEnd = 5;
    expectSameRows(r, {QStringLiteral("1002"), QStringLiteral("100201"), QStringLiteral("2202")},
                   QStringLiteral("generated, periods 3 to 5"));
}

// Several lines of one account on one side with different summaries, in
// two currencies, beside an unposted voucher of the same number range: the
// summary of a group merged by account is that of the side's first line. A
// line on a code the chart does not hold, under an end account's code, is
// read alike both ways.
TEST_P(MergedReading, VouchersWithSeveralSummariesPerSideGiveTheSameRows)
{
    auto session = openScratchDemoSession(GetParam());
    const auto money = [](qint64 whole) { return Currency::fromInteger(whole); };
    ScratchVoucher mixed;
    mixed.period = 6;
    mixed.date = QDate(2026, 6, 15);
    mixed.lines = {
        {QStringLiteral("100202"), QStringLiteral("美元入账"), money(710), {}, QStringLiteral("美元"), money(100), {}},
        {QStringLiteral("100202"), QStringLiteral("汇率差额"), money(3), {}, {}, {}, {}},
        {QStringLiteral("100201"), QStringLiteral("second debit"), money(50), {}, {}, {}, {}},
        {QStringLiteral("100201"), QStringLiteral("first debit"), money(20), {}, {}, {}, {}},
        {QStringLiteral("100201"), QStringLiteral("second credit"), {}, money(30), {}, {}, {}},
        {QStringLiteral("100201"), QStringLiteral("first credit"), {}, money(40), {}, {}, {}},
        {QStringLiteral("112201"), QStringLiteral("receivable"), {}, money(713), {}, {}, {}},
        {QStringLiteral("10020109"), QStringLiteral("not in the chart"), money(9), {}, {}, {}, {}},
    };
    addScratchVoucher(session->login->connection(), 2026, mixed);
    ScratchVoucher draft = mixed;
    draft.number = 9002;
    draft.posted = false;
    std::swap(draft.lines[2], draft.lines[3]);
    addScratchVoucher(session->login->connection(), 2026, draft);
    db::rebuildAccountSums(session->login->connection(), 2026);
    MergeRig r(std::move(session));
    r.hb.iStart = 6;
    r.hb.iEnd = 6;
    expectSameRows(r, {QStringLiteral("1002"), QStringLiteral("100201")}, QStringLiteral("scratch"));
}

INSTANTIATE_TEST_SUITE_P(Backends, MergedReading, allBackends(), backendTestName);

} // namespace

// How the merged ledger sums one voucher: per summary or per account, per
// currency and side, on a scratch company with vouchers made for the purpose.
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

Currency money(qint64 whole)
{
    return Currency::fromInteger(whole);
}

// Voucher 转-9001 of June: two debit lines on the USD account, one in dollars
// and one in the home currency (an exchange difference), and two debit lines
// of different summaries on the RMB account, against credits on the RMB
// account and a receivable. Voucher 转-9002 of June is not posted.
void addVouchers(Connection &db)
{
    ScratchVoucher mixed;
    mixed.period = 6;
    mixed.date = QDate(2026, 6, 15);
    mixed.lines = {
        {QStringLiteral("100202"), QStringLiteral("美元入账"), money(710), {}, QStringLiteral("美元"), money(100), {}},
        {QStringLiteral("100202"), QStringLiteral("汇率差额"), money(3), {}, {}, {}, {}},
        {QStringLiteral("100201"), QStringLiteral("first debit"), money(50), {}, {}, {}, {}},
        {QStringLiteral("100201"), QStringLiteral("second debit"), money(20), {}, {}, {}, {}},
        {QStringLiteral("100201"), QStringLiteral("first credit"), {}, money(30), {}, {}, {}},
        {QStringLiteral("100201"), QStringLiteral("second credit"), {}, money(40), {}, {}, {}},
        {QStringLiteral("112201"), QStringLiteral("receivable"), {}, money(713), {}, {}, {}},
    };
    addScratchVoucher(db, 2026, mixed);

    ScratchVoucher draft;
    draft.period = 6;
    draft.date = QDate(2026, 6, 16);
    draft.number = 9002;
    draft.posted = false;
    draft.lines = {
        {QStringLiteral("100201"), QStringLiteral("draft"), money(11), {}, {}, {}, {}},
        {QStringLiteral("112201"), QStringLiteral("draft"), {}, money(11), {}, {}, {}},
    };
    addScratchVoucher(db, 2026, draft);
    db::rebuildAccountSums(db, 2026);
}

class MergedVoucherGroups : public ::testing::TestWithParam<Backend> {
protected:
    void SetUp() override
    {
        auto session = openScratchDemoSession(GetParam());
        addVouchers(session->login->connection());
        r = std::make_unique<MergeRig>(std::move(session));
        r->hb.iStart = 6;
        r->hb.iEnd = 6;
    }

    // The rows of voucher 转-9001 (or another number) of the ledger in the grid.
    QList<int> voucherRows(const QString &number = QStringLiteral("9001"))
    {
        QList<int> rows;
        for (int row = 0; row < r->rows(); ++row)
            if (r->cell(row, Voucher) == QStringLiteral("转-") + number)
                rows << row;
        return rows;
    }

    std::unique_ptr<MergeRig> r;
};

} // namespace

TEST_P(MergedVoucherGroups, DebitLinesOfTwoCurrenciesGiveTwoDebitRows)
{
    for (auto type : {clsMxzHb::enuCodeDigest, clsMxzHb::enuKmCode}) {
        r->query(QStringLiteral("100202"), type, 2);
        const QList<int> rows = voucherRows();
        ASSERT_EQ(rows.size(), 2) << "mode " << type;
        QList<Currency> debits;
        for (int row : rows) {
            EXPECT_TRUE(r->cell(row, Credit).isEmpty());
            debits << amountOf(r->cell(row, Debit));
        }
        std::sort(debits.begin(), debits.end());
        EXPECT_EQ(debits, (QList<Currency>{money(3), money(710)})) << "mode " << type;
        // The dollar row carries its foreign amount; the home-currency row none.
        for (int row : rows)
            EXPECT_EQ(amountOf(r->cell(row, DebitForeign)), amountOf(r->cell(row, Debit)) == money(710) ? money(100) : Currency());
    }
}

TEST_P(MergedVoucherGroups, BySummaryEachSummaryAndSideIsARow)
{
    r->query(QStringLiteral("100201"), clsMxzHb::enuCodeDigest);
    QStringList digests;
    for (int row : voucherRows())
        digests << r->cell(row, Digest) + u'=' + r->cell(row, Debit) + u'/' + r->cell(row, Credit);
    digests.sort();
    EXPECT_EQ(digests, (QStringList{QStringLiteral("first credit=/30.00"), QStringLiteral("first debit=50.00/"),
                                    QStringLiteral("second credit=/40.00"), QStringLiteral("second debit=20.00/")}));
}

TEST_P(MergedVoucherGroups, ByAccountARowCarriesTheSummaryOfTheFirstLineOnItsSide)
{
    r->query(QStringLiteral("100201"), clsMxzHb::enuKmCode);
    const QList<int> rows = voucherRows();
    ASSERT_EQ(rows.size(), 2);
    for (int row : rows) {
        if (!r->cell(row, Debit).isEmpty()) {
            EXPECT_EQ(r->cell(row, Digest), QStringLiteral("first debit"));
            EXPECT_EQ(amountOf(r->cell(row, Debit)), money(70));
        } else {
            EXPECT_EQ(r->cell(row, Digest), QStringLiteral("first credit"));
            EXPECT_EQ(amountOf(r->cell(row, Credit)), money(70));
        }
    }
    // A parent merges per account code: the voucher gives rows for each sub-account it touches.
    r->query(QStringLiteral("1002"), clsMxzHb::enuKmCode);
    QStringList codes;
    for (int row : voucherRows())
        codes << r->cell(row, Code);
    codes.sort();
    EXPECT_EQ(codes, (QStringList{QStringLiteral("100201"), QStringLiteral("100201"), QStringLiteral("100202"),
                                  QStringLiteral("100202")}));
}

TEST_P(MergedVoucherGroups, AnUnpostedVoucherOnlyWithIncludeAndMarked)
{
    r->query(QStringLiteral("100201"), clsMxzHb::enuKmCode);
    EXPECT_TRUE(voucherRows(QStringLiteral("9002")).isEmpty());
    r->hb.setInclude(true);
    r->query(QStringLiteral("100201"), clsMxzHb::enuKmCode);
    const QList<int> rows = voucherRows(QStringLiteral("9002"));
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(r->cell(rows[0], Digest), QStringLiteral("*draft"));
}

TEST_P(MergedVoucherGroups, ParentTotalsListTheForeignCurrenciesInTheForeignStyles)
{
    // The dollar account's own June total, in dollars.
    r->query(QStringLiteral("100202"), clsMxzHb::enuCodeDigest);
    QString dollarsIn;
    for (int row = 0; row < r->rows(); ++row)
        if (kindOf(*r, row) == MergedRow::PeriodTotal)
            dollarsIn = r->cell(row, DebitForeign);
    ASSERT_FALSE(dollarsIn.isEmpty());

    r->query(QStringLiteral("1002"), clsMxzHb::enuCodeDigest, 2);
    const QString dollars = QStringLiteral("\u3000\u3000美元");
    int periodRows = 0, cumulativeRows = 0;
    for (int row = 0; row < r->rows(); ++row) {
        if (kindOf(*r, row) != MergedRow::CurrencyTotal)
            continue;
        EXPECT_TRUE(r->cell(row, Digest) == dollars || r->cell(row, Digest) == QStringLiteral("\u3000\u3000港币"))
            << r->cell(row, Digest).toStdString();
        if (r->cell(row, Digest) == dollars) {
            // The period's currency rows follow the period total, the cumulative ones the cumulative total.
            const MergedRow owner = kindOf(*r, row - 1) == MergedRow::CurrencyTotal ? kindOf(*r, row - 2) : kindOf(*r, row - 1);
            (owner == MergedRow::PeriodTotal ? periodRows : cumulativeRows) += 1;
            EXPECT_EQ(r->cell(row, DebitForeign), dollarsIn);
        }
    }
    EXPECT_EQ(periodRows, 1);
    EXPECT_EQ(cumulativeRows, 1);

    r->query(QStringLiteral("1002"), clsMxzHb::enuCodeDigest, 0);
    for (int row = 0; row < r->rows(); ++row)
        EXPECT_NE(kindOf(*r, row), MergedRow::CurrencyTotal) << "row " << row;
}

INSTANTIATE_TEST_SUITE_P(Backends, MergedVoucherGroups, bothBackends(), backendTestName);

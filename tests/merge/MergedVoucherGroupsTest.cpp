// How the merged ledger sums one voucher: per summary or per account, per
// currency and side, on a scratch company with a voucher made for the purpose.
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
// and one in the home currency (an exchange difference), and two lines of
// different summaries on each side of the RMB account, against a receivable.
class MergedVoucherGroups : public test::BackendTest {
protected:
    void SetUp() override
    {
        BackendTest::SetUp();
        if (IsSkipped())
            return;
        auto session = openScratchDemoSession(GetParam());
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
        addScratchVoucher(session->login->connection(), 2026, mixed);
        db::rebuildAccountSums(session->login->connection(), 2026);
        r = std::make_unique<MergeRig>(std::move(session));
        r->hb.iStart = 6;
        r->hb.iEnd = 6;
    }

    // The voucher's rows as "code digest=debit/credit" (or "code debit/credit"), sorted.
    QStringList voucherRows(const QString &code, clsMxzHb::mxzHbType type, qint16 accountType = 0, bool withDigest = true)
    {
        r->query(code, type, accountType);
        QStringList rows;
        for (int row = 0; row < r->rows(); ++row)
            if (r->cell(row, Voucher) == QStringLiteral("转-9001"))
                rows << QStringLiteral("%1 %2%3/%4")
                            .arg(r->cell(row, Code), withDigest ? r->cell(row, Digest) + u'=' : QString(),
                                 r->cell(row, Debit), r->cell(row, Credit));
        rows.sort();
        return rows;
    }

    std::unique_ptr<MergeRig> r;
};

} // namespace

TEST_P(MergedVoucherGroups, DebitLinesOfTwoCurrenciesGiveTwoDebitRowsInBothModes)
{
    for (auto type : {clsMxzHb::enuCodeDigest, clsMxzHb::enuKmCode})
        EXPECT_EQ(voucherRows(QStringLiteral("100202"), type, 2, false),
                  (QStringList{QStringLiteral("100202 3.00/"), QStringLiteral("100202 710.00/")})) << "mode " << type;
    // The dollar row carries its foreign amount; the home-currency row none.
    for (int row = 0; row < r->rows(); ++row)
        if (r->cell(row, Voucher) == QStringLiteral("转-9001")) {
            EXPECT_EQ(amountOf(r->cell(row, DebitForeign)), amountOf(r->cell(row, Debit)) == money(710) ? money(100) : Currency());
        }
}

TEST_P(MergedVoucherGroups, BySummaryEachSummaryAndSideIsARowByAccountTheFirstLinesSummaryOnItsSide)
{
    EXPECT_EQ(voucherRows(QStringLiteral("100201"), clsMxzHb::enuCodeDigest),
              (QStringList{QStringLiteral("100201 first credit=/30.00"), QStringLiteral("100201 first debit=50.00/"),
                           QStringLiteral("100201 second credit=/40.00"), QStringLiteral("100201 second debit=20.00/")}));
    EXPECT_EQ(voucherRows(QStringLiteral("100201"), clsMxzHb::enuKmCode),
              (QStringList{QStringLiteral("100201 first credit=/70.00"), QStringLiteral("100201 first debit=70.00/")}));
    // A parent merges per account code: rows for each sub-account the voucher touches.
    EXPECT_EQ(voucherRows(QStringLiteral("1002"), clsMxzHb::enuKmCode, 0, false),
              (QStringList{QStringLiteral("100201 /70.00"), QStringLiteral("100201 70.00/"), QStringLiteral("100202 3.00/"),
                           QStringLiteral("100202 710.00/")}));
}

TEST_P(MergedVoucherGroups, ParentTotalsListTheForeignCurrenciesInTheForeignStyles)
{
    r->query(QStringLiteral("100202"), clsMxzHb::enuCodeDigest);
    QString dollarsIn; // the dollar account's own June total, in dollars
    for (int row = 0; row < r->rows(); ++row)
        if (kindOf(*r, row) == MergedRow::PeriodTotal)
            dollarsIn = r->cell(row, DebitForeign);
    ASSERT_FALSE(dollarsIn.isEmpty());

    r->query(QStringLiteral("1002"), clsMxzHb::enuCodeDigest, 2);
    const QString dollars = QStringLiteral("\u3000\u3000美元");
    QList<MergedRow> owners;
    for (int row = 0; row < r->rows(); ++row) {
        if (kindOf(*r, row) != MergedRow::CurrencyTotal || r->cell(row, Digest) != dollars)
            continue;
        // A currency row follows its total row (or another currency row).
        int owner = row - 1;
        while (kindOf(*r, owner) == MergedRow::CurrencyTotal)
            --owner;
        owners << kindOf(*r, owner);
        EXPECT_EQ(r->cell(row, DebitForeign), dollarsIn);
    }
    EXPECT_EQ(owners, (QList<MergedRow>{MergedRow::PeriodTotal, MergedRow::Cumulative}));

    r->query(QStringLiteral("1002"), clsMxzHb::enuCodeDigest, 0);
    for (int row = 0; row < r->rows(); ++row)
        EXPECT_NE(kindOf(*r, row), MergedRow::CurrencyTotal) << "row " << row;
}

INSTANTIATE_TEST_SUITE_P(Backends, MergedVoucherGroups, allBackends(), backendTestName);

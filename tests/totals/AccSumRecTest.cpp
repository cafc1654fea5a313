// The totals record: posting, adding, clearing and the direction rule.

#include "totals/AccSumRec.h"

#include <gtest/gtest.h>

#include "platform/outside/GlPublic.h"
#include "support/Printers.h"
#include "totals/BalanceDirection.h"

namespace qxmxz {
namespace {

Currency cy(const char *text)
{
    return *Currency::fromText(QString::fromLatin1(text));
}

AccSumRec movement(const char *debit, const char *credit)
{
    AccSumRec r;
    r.md = cy(debit);
    r.mc = cy(credit);
    return r;
}

TEST(AccSumRec, PostingRollsTheBalanceAndItsDirection)
{
    GlPublic pub;
    const struct {
        const char *debit, *credit, *balance, *word, *code;
    } steps[] = {{"100", "30", "70", "借", "Dr"}, {"0", "70", "0", "平", "-"}, {"0", "50", "-50", "贷", "Cr"}};
    AccSumRec running;
    ClearTotals(running);
    for (const auto &step : steps) {
        PostTotals(pub, movement(step.debit, step.credit), running);
        EXPECT_EQ(running.me, cy(step.balance)) << step.balance;
        EXPECT_EQ(running.cDirection, DirectionText(pub, QString::fromUtf8(step.word))) << step.balance;
        EXPECT_EQ(running.cDirCode, QString::fromLatin1(step.code)) << step.balance;
    }
    EXPECT_TRUE(running.bPosted);
    EXPECT_EQ(running.md, cy("100"));
    EXPECT_EQ(running.mc, cy("150"));

    // Money stays exact over many postings.
    for (int i = 0; i < 500; ++i)
        PostTotals(pub, movement("0.1", "0"), running);
    for (int i = 0; i < 3; ++i)
        PostTotals(pub, movement("0", "0.3333"), running);
    EXPECT_EQ(running.me, cy("-0.9999"));
}

TEST(AccSumRec, ClearMovementAfterPostingsKeepsTheBalance)
{
    GlPublic pub;
    AccSumRec running;
    running.cName = QStringLiteral("美元");
    AccSumRec line = movement("100", "130");
    line.nd_s = 3;
    line.nc_s = 1;
    line.md_f = cy("15");
    line.mc_f = cy("20");
    // The balances of the source are no movement and must not be posted.
    line.ne_s = 999;
    line.me_f = cy("999");
    line.me = cy("-999");
    PostTotals(pub, line, running);
    PostTotals(pub, movement("5", "0"), running);
    ASSERT_EQ(running.me, cy("-25"));
    EXPECT_EQ(running.cName, QStringLiteral("美元")) << "a line without a name keeps the record's";

    ClearMovement(running);
    EXPECT_EQ(running.md, Currency());
    EXPECT_EQ(running.mc, Currency());
    EXPECT_EQ(running.md_f, Currency());
    EXPECT_EQ(running.mc_f, Currency());
    EXPECT_DOUBLE_EQ(running.nd_s + running.nc_s, 0);
    EXPECT_TRUE(running.cName.isEmpty());
    EXPECT_FALSE(running.bPosted);
    EXPECT_EQ(running.me, cy("-25"));
    EXPECT_EQ(running.me_f, cy("-5"));
    EXPECT_DOUBLE_EQ(running.ne_s, 2);
    EXPECT_EQ(running.cDirCode, QStringLiteral("Cr"));

    // The next period goes on from the kept balance.
    PostTotals(pub, movement("40", "0"), running);
    EXPECT_EQ(running.me, cy("15"));
    EXPECT_EQ(running.md, cy("40"));
    EXPECT_EQ(running.cDirCode, QStringLiteral("Dr"));
}

TEST(AccSumRec, AddTotalsAddsBalanceOntoBalanceAndNeverClearsThePostedFlag)
{
    GlPublic pub;
    AccSumRec dst;
    dst.me = cy("100");
    dst.ne_s = 2;
    AccSumRec src = movement("10", "20");
    src.me = cy("-150");
    src.me_f = cy("-20");
    src.ne_s = 1;
    src.bPosted = true;
    AddTotals(pub, src, dst);
    EXPECT_EQ(dst.me, cy("-50"));
    EXPECT_EQ(dst.me_f, cy("-20"));
    EXPECT_DOUBLE_EQ(dst.ne_s, 3);
    EXPECT_EQ(dst.md, cy("10"));
    EXPECT_EQ(dst.mc, cy("20"));
    EXPECT_EQ(dst.cDirCode, QStringLiteral("Cr"));
    EXPECT_TRUE(dst.bPosted);
    AddTotals(pub, AccSumRec{}, dst);
    EXPECT_TRUE(dst.bPosted);
}

TEST(AccSumRec, TheDirectionFollowsTheAmountAlone)
{
    GlPublic pub;
    AccSumRec r;
    r.ne_s = 5;
    r.me_f = cy("20");
    applyDirectionRule(pub, r);
    EXPECT_EQ(r.cDirCode, QStringLiteral("-"));
    r.me = cy("-0.0001");
    applyDirectionRule(pub, r);
    EXPECT_EQ(r.cDirCode, QStringLiteral("Cr"));
    EXPECT_EQ(directionOf(pub, cy("0.0001")).code, QStringLiteral("Dr"));
}

TEST(AccSumRec, IsZeroTotalsLooksAtForeignAmountsOrAtEverything)
{
    AccSumRec r = movement("10", "3");
    r.ne_s = 1;
    EXPECT_TRUE(IsZeroTotals(r, false));
    EXPECT_FALSE(IsZeroTotals(r, true));
    for (Currency AccSumRec::*field : {&AccSumRec::md_f, &AccSumRec::mc_f, &AccSumRec::me_f}) {
        AccSumRec foreign;
        foreign.*field = cy("0.0001");
        EXPECT_FALSE(IsZeroTotals(foreign, false));
    }

    // Clearing empties everything but the direction code.
    r.cName = QStringLiteral("1001");
    r.bPosted = true;
    r.me_f = cy("2");
    r.cDirCode = QStringLiteral("Dr");
    ClearTotals(r);
    EXPECT_TRUE(IsZeroTotals(r, true));
    EXPECT_TRUE(r.cName.isEmpty());
    EXPECT_FALSE(r.bPosted);
    EXPECT_EQ(r.cDirection, QStringLiteral("平"));
    EXPECT_EQ(r.cDirCode, QStringLiteral("Dr"));
}

} // namespace
} // namespace qxmxz

// The totals record: posting, adding, clearing and the direction rule.

#include "totals/AccSumRec.h"

#include <gtest/gtest.h>

#include "platform/outside/GlPublic.h"
#include "platform/outside/QtStringPrinting.h"
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

class AccSumRecTest : public ::testing::Test {
protected:
    QString debitWord() const { return pub.directionText(QStringLiteral("借")); }
    QString creditWord() const { return pub.directionText(QStringLiteral("贷")); }
    QString balancedWord() const { return pub.directionText(QStringLiteral("平")); }

    GlPublic pub;
};

TEST_F(AccSumRecTest, PostingRollsTheBalanceAndItsDirection)
{
    AccSumRec running;
    ClearTotals(running);
    PostTotals(pub, movement("100", "30"), running);
    EXPECT_TRUE(running.bPosted);
    EXPECT_EQ(running.md, cy("100"));
    EXPECT_EQ(running.mc, cy("30"));
    EXPECT_EQ(running.me, cy("70"));
    EXPECT_EQ(running.cDirection, debitWord());
    EXPECT_EQ(running.cDirection, QStringLiteral("借"));
    EXPECT_EQ(running.cDirCode, QStringLiteral("Dr"));

    PostTotals(pub, movement("0", "70"), running);
    EXPECT_EQ(running.me, Currency());
    EXPECT_EQ(running.mc, cy("100"));
    EXPECT_EQ(running.cDirection, balancedWord());
    EXPECT_EQ(running.cDirCode, QStringLiteral("-"));

    PostTotals(pub, movement("0", "50"), running);
    EXPECT_EQ(running.me, cy("-50"));
    EXPECT_EQ(running.cDirection, creditWord());
    EXPECT_EQ(running.cDirCode, QStringLiteral("Cr"));
}

TEST_F(AccSumRecTest, PostingMovesQuantityAndForeignBalancesAndIgnoresTheSourceBalance)
{
    AccSumRec src;
    src.nd_s = 5;
    src.nc_s = 2;
    src.md_f = cy("100");
    src.mc_f = cy("40");
    src.md = cy("650");
    src.mc = cy("260");
    src.ne_s = 999;
    src.me_f = cy("999");
    src.me = cy("-999");
    AccSumRec dst;
    dst.ne_s = 1;
    dst.me_f = cy("10");
    dst.me = cy("65");
    PostTotals(pub, src, dst);
    EXPECT_DOUBLE_EQ(dst.ne_s, 4);
    EXPECT_EQ(dst.me_f, cy("70"));
    EXPECT_EQ(dst.me, cy("455"));
    EXPECT_DOUBLE_EQ(dst.nd_s, 5);
    EXPECT_DOUBLE_EQ(dst.nc_s, 2);
    EXPECT_EQ(dst.md_f, cy("100"));
    EXPECT_EQ(dst.mc_f, cy("40"));
    EXPECT_EQ(dst.cDirCode, QStringLiteral("Dr"));
}

TEST_F(AccSumRecTest, PostingTakesOverOnlyANonEmptyName)
{
    AccSumRec dst;
    dst.cName = QStringLiteral("1002");
    PostTotals(pub, movement("1", "0"), dst);
    EXPECT_EQ(dst.cName, QStringLiteral("1002"));
    AccSumRec named = movement("1", "0");
    named.cName = QStringLiteral("美元");
    PostTotals(pub, named, dst);
    EXPECT_EQ(dst.cName, QStringLiteral("美元"));
}

TEST_F(AccSumRecTest, MoneyStaysExactOverManyPostings)
{
    AccSumRec running;
    for (int i = 0; i < 10; ++i)
        PostTotals(pub, movement("0.1", "0"), running);
    EXPECT_EQ(running.me, cy("1"));
    for (int i = 0; i < 3; ++i)
        PostTotals(pub, movement("0", "0.3333"), running);
    EXPECT_EQ(running.me, cy("0.0001"));
    EXPECT_EQ(running.cDirCode, QStringLiteral("Dr"));
}

TEST_F(AccSumRecTest, ClearMovementAfterPostingsKeepsTheBalance)
{
    AccSumRec running;
    running.cName = QStringLiteral("美元");
    AccSumRec line = movement("100", "130");
    line.nd_s = 3;
    line.nc_s = 1;
    line.md_f = cy("15");
    line.mc_f = cy("20");
    PostTotals(pub, line, running);
    PostTotals(pub, movement("5", "0"), running);
    ASSERT_EQ(running.me, cy("-25"));

    ClearMovement(running);
    EXPECT_EQ(running.md, Currency());
    EXPECT_EQ(running.mc, Currency());
    EXPECT_EQ(running.md_f, Currency());
    EXPECT_EQ(running.mc_f, Currency());
    EXPECT_DOUBLE_EQ(running.nd_s, 0);
    EXPECT_DOUBLE_EQ(running.nc_s, 0);
    EXPECT_TRUE(running.cName.isEmpty());
    EXPECT_FALSE(running.bPosted);
    EXPECT_EQ(running.me, cy("-25"));
    EXPECT_EQ(running.me_f, cy("-5"));
    EXPECT_DOUBLE_EQ(running.ne_s, 2);
    EXPECT_EQ(running.cDirection, creditWord());
    EXPECT_EQ(running.cDirCode, QStringLiteral("Cr"));

    // The next period goes on from the kept balance.
    PostTotals(pub, movement("40", "0"), running);
    EXPECT_EQ(running.me, cy("15"));
    EXPECT_EQ(running.md, cy("40"));
    EXPECT_EQ(running.cDirCode, QStringLiteral("Dr"));
}

TEST_F(AccSumRecTest, ClearTotalsResetsAllButTheDirectionCode)
{
    AccSumRec r = movement("10", "3");
    r.cName = QStringLiteral("1001");
    r.bPosted = true;
    r.nd_s = r.nc_s = r.ne_s = 1;
    r.md_f = r.mc_f = r.me_f = r.me = cy("2");
    r.cDirection = QStringLiteral("借");
    r.cDirCode = QStringLiteral("Dr");
    ClearTotals(r);
    EXPECT_TRUE(IsZeroTotals(r, true));
    EXPECT_TRUE(r.cName.isEmpty());
    EXPECT_FALSE(r.bPosted);
    EXPECT_EQ(r.cDirection, QStringLiteral("平"));
    EXPECT_EQ(r.cDirCode, QStringLiteral("Dr"));
}

TEST_F(AccSumRecTest, AddTotalsAddsBalanceOntoBalance)
{
    AccSumRec dst;
    dst.me = cy("100");
    dst.ne_s = 2;
    AccSumRec src = movement("10", "20");
    src.me = cy("-150");
    src.me_f = cy("-20");
    src.ne_s = 1;
    src.nd_s = 4;
    AddTotals(pub, src, dst);
    EXPECT_EQ(dst.me, cy("-50"));
    EXPECT_EQ(dst.me_f, cy("-20"));
    EXPECT_DOUBLE_EQ(dst.ne_s, 3);
    EXPECT_EQ(dst.md, cy("10"));
    EXPECT_EQ(dst.mc, cy("20"));
    EXPECT_DOUBLE_EQ(dst.nd_s, 4);
    EXPECT_EQ(dst.cDirection, creditWord());
    EXPECT_EQ(dst.cDirCode, QStringLiteral("Cr"));
}

TEST_F(AccSumRecTest, AddTotalsPassesOnThePostedFlagButNeverClearsIt)
{
    AccSumRec dst;
    AccSumRec src;
    AddTotals(pub, src, dst);
    EXPECT_FALSE(dst.bPosted);
    src.bPosted = true;
    AddTotals(pub, src, dst);
    EXPECT_TRUE(dst.bPosted);
    src.bPosted = false;
    AddTotals(pub, src, dst);
    EXPECT_TRUE(dst.bPosted);
}

TEST_F(AccSumRecTest, IsZeroTotalsLooksAtForeignAmountsOrAtEverything)
{
    AccSumRec r;
    EXPECT_TRUE(IsZeroTotals(r, false));
    EXPECT_TRUE(IsZeroTotals(r, true));

    r.md = cy("100");
    EXPECT_TRUE(IsZeroTotals(r, false));
    EXPECT_FALSE(IsZeroTotals(r, true));

    AccSumRec quantityOnly;
    quantityOnly.ne_s = 3;
    EXPECT_TRUE(IsZeroTotals(quantityOnly, false));
    EXPECT_FALSE(IsZeroTotals(quantityOnly, true));

    for (Currency AccSumRec::*field : {&AccSumRec::md_f, &AccSumRec::mc_f, &AccSumRec::me_f}) {
        AccSumRec foreign;
        foreign.*field = cy("0.0001");
        EXPECT_FALSE(IsZeroTotals(foreign, false));
        EXPECT_FALSE(IsZeroTotals(foreign, true));
    }
}

TEST_F(AccSumRecTest, DirectionFollowsTheAmountAlone)
{
    AccSumRec r;
    r.ne_s = 5;
    r.me_f = cy("20");
    applyDirectionRule(pub, r);
    EXPECT_EQ(r.cDirection, balancedWord());
    EXPECT_EQ(r.cDirCode, QStringLiteral("-"));

    r.me = cy("-0.0001");
    applyDirectionRule(pub, r);
    EXPECT_EQ(r.cDirCode, QStringLiteral("Cr"));
    EXPECT_EQ(r.cDirection, QStringLiteral("贷"));

    EXPECT_EQ(directionOf(pub, cy("0.0001")).code, QStringLiteral("Dr"));
    EXPECT_EQ(directionOf(pub, cy("0.0001")).text, DirectionText(pub, QStringLiteral("借")));
}

} // namespace
} // namespace qxmxz

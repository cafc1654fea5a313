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

// A record on one line: debit | credit | balance, each as quantity/foreign/amount,
// then the direction code, the name and whether it is posted.
std::string figures(const AccSumRec &r)
{
    return QStringLiteral("%1/%2/%3 | %4/%5/%6 | %7/%8/%9 %10 %11 %12")
        .arg(r.nd_s).arg(r.md_f.toString(), r.md.toString())
        .arg(r.nc_s).arg(r.mc_f.toString(), r.mc.toString())
        .arg(r.ne_s).arg(r.me_f.toString(), r.me.toString())
        .arg(r.cDirCode, r.cName, r.bPosted ? QStringLiteral("posted") : QStringLiteral("open"))
        .toStdString();
}

TEST(AccSumRec, PostingRollsTheBalanceAndItsDirection)
{
    GlPublic pub;
    const struct {
        const char *debit, *credit, *balance, *word, *code;
    } steps[] = {{"100", "30", "70", "借", "Dr"}, {"0", "70", "0", "平", "-"}, {"0", "50", "-50", "贷", "Cr"}};
    AccSumRec running;
    for (const auto &step : steps) {
        PostTotals(pub, AccSumRec{.md = cy(step.debit), .mc = cy(step.credit)}, running);
        EXPECT_EQ(running.me, cy(step.balance)) << step.balance;
        EXPECT_EQ(running.cDirection, DirectionText(pub, QString::fromUtf8(step.word))) << step.balance;
        EXPECT_EQ(running.cDirCode, QString::fromLatin1(step.code)) << step.balance;
    }
    // Quantities and foreign amounts give no direction; the least amount does.
    AccSumRec r{.ne_s = 5, .me_f = cy("20")};
    applyDirectionRule(pub, r);
    EXPECT_EQ(r.cDirCode, QStringLiteral("-"));
    EXPECT_EQ(directionOf(pub, cy("-0.0001")).code, QStringLiteral("Cr"));
    EXPECT_EQ(directionOf(pub, cy("0.0001")).code, QStringLiteral("Dr"));
}

TEST(AccSumRec, ClearMovementAfterPostingsKeepsTheBalance)
{
    GlPublic pub;
    AccSumRec running{.cName = QStringLiteral("美元")};
    // The balances of the line are no movement and must not be posted; a line without a name keeps the record's.
    PostTotals(pub,
               AccSumRec{.nd_s = 3, .md_f = cy("15"), .md = cy("100"), .ne_s = 999, .me_f = cy("999"),
                         .me = cy("-999"), .nc_s = 1, .mc_f = cy("20"), .mc = cy("130")},
               running);
    PostTotals(pub, AccSumRec{.md = cy("5")}, running);
    EXPECT_EQ(figures(running), "3/15/105 | 1/20/130 | 2/-5/-25 Cr 美元 posted");
    ClearMovement(running);
    EXPECT_EQ(figures(running), "0/0/0 | 0/0/0 | 2/-5/-25 Cr  open");
    // The next period goes on from the kept balance.
    PostTotals(pub, AccSumRec{.md = cy("40")}, running);
    EXPECT_EQ(figures(running), "0/0/40 | 0/0/0 | 2/-5/15 Dr  posted");
}

TEST(AccSumRec, AddTotalsAddsBalanceOntoBalanceAndClearTotalsKeepsTheDirectionCode)
{
    GlPublic pub;
    AccSumRec r{.ne_s = 2, .me = cy("100")};
    AddTotals(pub, AccSumRec{.bPosted = true, .md = cy("10"), .ne_s = 1, .me_f = cy("-20"), .me = cy("-150")}, r);
    AddTotals(pub, AccSumRec{}, r);
    EXPECT_EQ(figures(r), "0/0/10 | 0/0/0 | 3/-20/-50 Cr  posted") << "adding never clears the posted flag";
    r.cName = QStringLiteral("1001");
    ClearTotals(r);
    EXPECT_EQ(figures(r), "0/0/0 | 0/0/0 | 0/0/0 Cr  open");
    EXPECT_EQ(r.cDirection, QStringLiteral("平"));
}

TEST(AccSumRec, IsZeroTotalsLooksAtForeignAmountsOrAtEverything)
{
    for (Currency AccSumRec::*field : {&AccSumRec::md, &AccSumRec::mc, &AccSumRec::me}) {
        AccSumRec r;
        r.*field = cy("0.0001");
        EXPECT_TRUE(IsZeroTotals(r, false));
        EXPECT_FALSE(IsZeroTotals(r, true));
    }
    for (Currency AccSumRec::*field : {&AccSumRec::md_f, &AccSumRec::mc_f, &AccSumRec::me_f}) {
        AccSumRec r;
        r.*field = cy("0.0001");
        EXPECT_FALSE(IsZeroTotals(r, false));
    }
    EXPECT_FALSE(IsZeroTotals(AccSumRec{.nc_s = 0.001}, true));
}

} // namespace
} // namespace qxmxz

#include "AccSumRec.h"

#include "BalanceDirection.h"

namespace qxmxz {

void ClearTotals(AccSumRec &rec)
{
    const QString directionCode = rec.cDirCode;
    rec = AccSumRec{};
    rec.cDirection = QStringLiteral("平");
    rec.cDirCode = directionCode;
}

void ClearMovement(AccSumRec &rec)
{
    rec.nd_s = 0;
    rec.md_f = {};
    rec.md = {};
    rec.nc_s = 0;
    rec.mc_f = {};
    rec.mc = {};
    rec.cName.clear();
    rec.bPosted = false;
}

void AddTotals(const GlPublic &pub, const AccSumRec &src, AccSumRec &dst)
{
    dst.nd_s += src.nd_s;
    dst.md_f += src.md_f;
    dst.md += src.md;
    dst.ne_s += src.ne_s;
    dst.me_f += src.me_f;
    dst.me += src.me;
    dst.nc_s += src.nc_s;
    dst.mc_f += src.mc_f;
    dst.mc += src.mc;
    applyDirectionRule(pub, dst);
    if (src.bPosted)
        dst.bPosted = true;
}

void PostTotals(const GlPublic &pub, const AccSumRec &src, AccSumRec &dst)
{
    dst.bPosted = true;
    dst.nd_s += src.nd_s;
    dst.md_f += src.md_f;
    dst.md += src.md;
    dst.nc_s += src.nc_s;
    dst.mc_f += src.mc_f;
    dst.mc += src.mc;
    dst.ne_s += src.nd_s - src.nc_s;
    dst.me_f += src.md_f - src.mc_f;
    dst.me += src.md - src.mc;
    applyDirectionRule(pub, dst);
    if (!src.cName.isEmpty())
        dst.cName = src.cName;
}

bool IsZeroTotals(const AccSumRec &rec, bool all)
{
    if (!rec.md_f.isZero() || !rec.mc_f.isZero() || !rec.me_f.isZero())
        return false;
    if (!all)
        return true;
    return rec.md.isZero() && rec.mc.isZero() && rec.me.isZero() && rec.nd_s == 0 && rec.nc_s == 0
           && rec.ne_s == 0;
}

} // namespace qxmxz

#pragma once

#include "VoucherLine.h"
#include "totals/AccSumRec.h"

namespace qxmxz {

// A voucher line as a totals record: its debit and credit groups, ready to
// be posted into running records.
inline AccSumRec movementOf(const VoucherLine &line)
{
    AccSumRec r;
    r.nd_s = line.nd_s;
    r.md_f = line.md_f;
    r.md = line.md;
    r.nc_s = line.nc_s;
    r.mc_f = line.mc_f;
    r.mc = line.mc;
    return r;
}

// Gives `to` the balance group and direction of `from`, keeping its movements:
// a month total shows the month's movements beside the balance after them.
inline void copyBalance(const AccSumRec &from, AccSumRec &to)
{
    to.ne_s = from.ne_s;
    to.me_f = from.me_f;
    to.me = from.me;
    to.cDirection = from.cDirection;
    to.cDirCode = from.cDirCode;
}

} // namespace qxmxz

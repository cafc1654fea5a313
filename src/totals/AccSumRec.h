#pragma once

#include <QString>
#include <QVector>

#include "platform/values/Currency.h"

namespace qxmxz {

class GlPublic;

// One line of totals: an account, a currency, a month or a running total.
// The balance is always debit minus credit, so a positive `me` is a debit
// balance; money is exact, quantities are doubles.
//
// Per-currency arrays (the engine, the merged ledger, the currency detail):
// element 0 is the account total, elements 1..n are the currencies in the
// order of LoadCurrencyNames, so that currency i of that list (counted from
// 0) lives at element i + 1.
struct AccSumRec {
    QString cName; // currency name, account code or empty
    bool bPosted = false;
    double nd_s = 0;
    Currency md_f;
    Currency md;
    double ne_s = 0;
    Currency me_f;
    Currency me;
    double nc_s = 0;
    Currency mc_f;
    Currency mc;
    QString cDirection; // displayed direction of the balance
    QString cDirCode;   // "Dr", "Cr" or "-"
};

// All nine figures 0, no name, not posted, direction "平"; cDirCode is kept.
void ClearTotals(AccSumRec &rec);
// Debit and credit groups 0, no name, not posted; the balance and its
// direction stay, so a running record can start its next period.
void ClearMovement(AccSumRec &rec);
// Adds all nine figures of src onto dst (balance onto balance) and gives dst
// the direction of its new balance; dst becomes posted when src is.
void AddTotals(const GlPublic &pub, const AccSumRec &src, AccSumRec &dst);
// Posts the movements of src into the running record dst: debit and credit
// groups are added, the balance moves by debit minus credit (src's own
// balance is not used), the direction follows the new balance, and a
// non-empty name of src becomes dst's name.
void PostTotals(const GlPublic &pub, const AccSumRec &src, AccSumRec &dst);
// True when the debit, credit and balance foreign amounts are 0 and, with
// `all`, also the three amounts and the three quantities.
bool IsZeroTotals(const AccSumRec &rec, bool all);

} // namespace qxmxz

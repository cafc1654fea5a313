#pragma once

#include <QString>
#include <QVector>

#include "AccSumRec.h"
#include "LedgerRows.h"

namespace qxmxz {

class DynasetRecordSet;
class GlPublic;
struct AccountRecord;

// Reads the balances per currency of the accounts under `code` at the start
// of `firstPeriod` (posted vouchers, or all with includeUnposted) through the
// procedure GL_CodeExchBegin. `records` is a per-currency array (element 0
// the account total, see AccSumRec.h): each currency's record receives its
// nine figures (assigned) with their direction, and every row is added into
// the account total — also a row whose currency is not in the list, so that
// the total always agrees with the account's books. The total's direction is
// set even when no row comes back. Throws a Failure for an empty array.
void LoadOpeningBalances(const GlPublic &pub, QVector<AccSumRec> &records, const QString &code, int firstPeriod,
                         bool includeUnposted);

// The opening part of a ledger. Fills `records` afresh (InitCurrencyTotals,
// then LoadOpeningBalances for the account) and writes:
//  - the opening row of the account total, when its balance amount or
//    foreign balance is not 0 (foreign amounts and quantities only where the
//    accounts under the code share one currency, one unit: LedgerMeasures),
//    or always with `writeZeroOpening` (then a zero
//    balance shows as balanced). Its summary is the text of
//    "R7.GL.QXMXZ.yujmod.00811" for period 1 (carried over from last year)
//    and of "R7.GL.QXMXZ.yujmod.00812" for a later first period;
//  - in a foreign-currency book style (`accountType`, the book-style index,
//    above 1: 外币金额式 or 数量外币式), for a parent account without a
//    currency of its own or an account that keeps a foreign currency, one
//    more opening row per currency with a foreign balance, its summary two
//    blanks and the currency name.
// Returns the number of rows written; `rowSaved` runs after each.
int WriteOpeningRows(const GlPublic &pub, const AccountRecord &account, int firstPeriod, bool includeUnposted,
                     int accountType, DynasetRecordSet &rs, QVector<AccSumRec> &records, const RowSaved &rowSaved,
                     bool writeZeroOpening = false);

} // namespace qxmxz

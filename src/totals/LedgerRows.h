#pragma once

#include <QString>
#include <functional>

namespace qxmxz {

class DynasetRecordSet;
class GlPublic;
struct AccSumRec;
struct AccountRecord;

// Called after each row the writers save, so that the engine can run its
// page step and the merged ledger its batch transfer to the grid.
using RowSaved = std::function<void()>;

// The rows below are written into a working table of the "mxfirst" format
// (the merged ledger's table is the same plus iListCount), every figure
// already formatted for display. Balance columns show the magnitude beside
// the direction: a credit balance turns the signs of the amount, quantity
// and foreign balance alike, so a quantity or foreign balance of the other
// side shows as negative.

// What a balance row does for a record whose figures are all 0.
enum class ZeroBalanceRow { Skip, Write };

// Appends one balance row of the record for the account: summary, account
// code and name, the record's direction text, the balance amount, quantity
// and foreign amount, unit price (of the foreign amount when the account has
// a currency, else of the amount) and the rate in the account's currency.
// Returns whether a row was written.
bool WriteBalanceRow(const GlPublic &pub, const QString &summary, DynasetRecordSet &rs, const AccSumRec &record,
                     const AccountRecord &account, ZeroBalanceRow whenZero, const RowSaved &rowSaved);

// The kinds of totals rows; each brings its own summary when the caller gives
// none, and the day total always shows the text of "R7.GL.QXMXZ.yujmod.day".
enum class TotalsRowMode {
    Period,     // the movements of one period: the public object's period-total text
    Cumulative, // the movements from the first period on: its cumulative text
    Day,        // the movements of one day
};

// Appends one totals row: month `period` and `day` in Yue and Ri ("00"; left
// empty when 0), debit and credit amount, quantity and foreign amount, and
// the balance after them with its direction, unit price and rate. A non-zero
// `rate` is shown as given, otherwise the rate is calculated from the balance.
void WriteTotalsRow(const GlPublic &pub, int period, int day, const RowSaved &rowSaved, TotalsRowMode mode,
                    const AccSumRec &record, DynasetRecordSet &rs, const QString &summary,
                    const AccountRecord &account, double rate = 0);

} // namespace qxmxz

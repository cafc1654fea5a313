#pragma once

#include <QString>
#include <QVariant>
#include <optional>

#include "platform/values/Currency.h"

namespace qxmxz {

class GlPublic;
struct CurrencyRecord;

// Display text of the ledgers' figures. Variant inputs may be Null (or
// invalid), text (empty or numeric), a number or a Currency. None of these
// routines raises for such input; the decimals they need are read from the
// general-ledger object on every call.

// An amount: empty for the empty text; Null or 0 give an empty text, or "0"
// when blankZero is false; anything else goes through FormatAmtText.
QString FormatAmt(const QVariant &value, bool blankZero = true);
QString FormatAmt(Currency value, bool blankZero = true);
// Text of an amount: empty when it holds a "," or is not numeric; otherwise
// "0,0.00" when it is 10 or more in magnitude and "0.00" below, the choice
// made on the unrounded value (9.999 reads "10.00").
QString FormatAmtText(const QString &text);
// A foreign amount: empty for 0, else "##,##0.00" or, without thousands, "0.00".
QString FormatCy(Currency value, bool thousands);
// A quantity with the quantity decimals of the options ("0." and one "0" per
// decimal). Empty text, Null and 0 as for FormatAmt; a quantity that rounds
// to 0 gives an empty text whatever blankZero says.
QString FormatQty(const GlPublic &pub, const QVariant &value, bool blankZero = true);
// The unit price |amount ÷ quantity| with the price decimals of the options;
// empty when either is 0.
QString FormatPrice(const GlPublic &pub, double quantity, Currency amount);
// An exchange rate with the currency's rate decimals; empty for 0.
QString FormatRate(double rate, const CurrencyRecord &currency);
// The rate of a foreign amount and its amount: amount ÷ foreign under the
// multiplication method, foreign ÷ amount otherwise, made absolute and
// written like FormatRate. Empty without a currency name or when either is 0.
QString CalcRate(Currency foreign, Currency amount, const CurrencyRecord &currency);
// A Format pattern, not a value: "##0" / "##,##0" for 0 decimals, else
// "##0.0…" / "##,##0.0…". Only whether `separators` is given counts, not
// its value.
QString QtyFormat(int decimals, std::optional<QVariant> separators = std::nullopt);
// 1 for Null, non-numeric text and values >= 0; -1 below 0.
int SignOf(const QVariant &value);
int SignOf(Currency value);
// A date (QDate, or a date text the general-ledger object reads) as an SQL
// literal N'm-d-yyyy', month and day without leading zeros. Throws a Failure
// when the value is no date.
QString SqlDate(const GlPublic &pub, const QVariant &value);

// "0." followed by one "0" per decimal: the pattern of quantities, unit
// prices and rates. The count is taken as an unsigned byte, as the options
// store it.
QString decimalPlacesPattern(int decimals);

} // namespace qxmxz

#pragma once

#include <QString>

#include "platform/values/Currency.h"

namespace qxmxz {
class GlPublic;
}

// Reading back the figures a ledger shows, for the arithmetic checks of the
// ledger tests.
namespace qxmxz::test {

// An amount, foreign amount or quantity as displayed ("1,234.50", "" for 0).
Currency amountOf(const QString &text);
double quantityOf(const QString &text);
// A signed amount (debit positive) of a balance shown as magnitude and direction.
Currency signedBalance(const GlPublic &pub, const QString &magnitude, const QString &direction);

// Column positions of the display rows of the detail and merged ledgers
// (grid column j shows field j of the working table).
enum LedgerColumn {
    Year = 0, Month = 1, Day = 2, Voucher = 3, Code = 4, Name = 5, Digest = 6, Counterpart = 7, Price = 8,
    Rate = 9, DebitQuantity = 10, DebitForeign = 11, Debit = 12, CreditQuantity = 13, CreditForeign = 14,
    Credit = 15, Direction = 16, BalanceQuantity = 17, BalancePrice = 18, BalanceForeign = 19, BalanceRate = 20,
    Balance = 21, Posted = 48,
};

} // namespace qxmxz::test

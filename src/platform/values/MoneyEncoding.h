#pragma once

#include <QString>
#include <QVariant>

#include "Currency.h"

namespace qxmxz {

// How a database keeps money. A server keeps it as an exact decimal
// (numeric(19,4)); SQLite has no exact decimal type, so our SQLite databases
// keep every amount as a whole number of ten-thousandths, which its integer
// arithmetic sums exactly at any size. Files made before that kept amounts as
// floating point, exact only below about 900 billion; they are still read.
enum class MoneyEncoding {
    Decimal,        // numeric columns; drivers deliver text or numbers of the amount
    TenThousandths, // integers of ten-thousandths
    FloatingPoint,  // doubles of the amount (older SQLite files)
};

// The amount a database value stands for; Null and empty give 0.
Currency decodeMoney(const QVariant &value, MoneyEncoding encoding);
// The value to bind or store for an amount.
QVariant encodeMoney(Currency amount, MoneyEncoding encoding);
// The amount written as an SQL literal.
QString moneyLiteral(Currency amount, MoneyEncoding encoding);

} // namespace qxmxz

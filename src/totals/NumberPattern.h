#pragma once

#include <QDate>
#include <QString>
#include <optional>

#include "platform/values/Currency.h"

namespace qxmxz {

// A number held as its decimal digits, so that rounding for display happens
// on the digits a person reads and never on a binary approximation.
struct DecimalDigits {
    bool negative = false;
    QString integerDigits;  // without leading zeros; empty when the whole part is 0
    QString fractionDigits; // as many as the source carries

    // Exact: the ten-thousandths of the amount.
    static DecimalDigits of(Currency value);
    // The shortest decimal text that reads back as the same double (2.675
    // stays 2.675); nothing for an infinite or NaN value.
    static std::optional<DecimalDigits> of(double value);
    // Plain numeric text: blanks around it, a sign, digits with at most one
    // decimal point, an exponent ("1.5e3"). No thousands separators.
    static std::optional<DecimalDigits> parse(const QString &text);

    bool isZero() const;
    // Plain decimal text without exponent or grouping: "-0.00001", "12.5".
    QString toText() const;
};

// The one formatter behind every display pattern of the ledgers:
//   "0" a digit always shown, "#" a digit shown when significant, "," in the
//   whole part switches on grouping by thousands, "." the decimal point (kept
//   even when no decimals follow: "0." writes 12 as "12.").
// The whole part shows at least as many digits as it has "0" placeholders
// ("00" writes 7 as "07", "0,0.00" writes 5 as "05.00"). The value is rounded
// half away from zero at the last decimal placeholder, so 9.999 with "0.00"
// reads "10.00". A value that rounds to zero carries no minus sign.
// Throws a Failure for a pattern with any other character: patterns are
// written in the code, never typed by a user.
QString formatNumber(const DecimalDigits &value, const QString &pattern);
QString formatNumber(Currency value, const QString &pattern);
// An infinite or NaN value gives an empty text.
QString formatNumber(double value, const QString &pattern);
QString formatNumber(qint64 value, const QString &pattern);
QString formatNumber(int value, const QString &pattern);

// Date patterns: "yyyy" (four-digit year), "yy", "mm" / "m" (month with or
// without a leading zero), "dd" / "d"; every other character is copied
// ("yyyy-mm-dd", "yyyy.mm.dd"). An invalid date gives an empty text.
QString formatDate(const QDate &date, const QString &pattern);

} // namespace qxmxz

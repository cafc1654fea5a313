#pragma once

#include <QString>

#include "platform/sql/Connection.h"
#include "platform/sql/SqlText.h"
#include "platform/values/Currency.h"

namespace qxmxz {

// Figures summed straight from the database, as a check on what the currency
// routines compute through the procedure. Both are debit positive.

// The balance at the start of `period` of the end accounts under `prefix` as
// GL_accsum holds it (posted vouchers only): `column` mb, mb_f or nb_s.
inline Currency beginBalanceFromSums(Connection &db, int year, const QString &prefix, int period, const char *column)
{
    const RecordSet sum =
        db.query(QStringLiteral("select sum(case when s.cbegind_c = '贷' then -s.%1 else s.%1 end) from GL_accsum s "
                                "join code c on c.iyear = s.iyear and c.ccode = s.ccode where c.bend = 1 and "
                                "s.iyear = %2 and s.iperiod = %3 and s.ccode like '%4%'")
                     .arg(QLatin1String(column)).arg(year).arg(period).arg(sqlLikePrefix(prefix)));
    // A quantity (nb_s) is a plain number, an amount is money as the database keeps it.
    return column[0] == 'n' ? Currency::fromVariant(sum.field(0)) : sum.money(0);
}

// Debit minus credit of the valid unposted lines under `prefix` before `period`.
inline Currency unpostedMovementBefore(Connection &db, int year, const QString &prefix, int period)
{
    return db.query(QStringLiteral("select sum(coalesce(md, 0) - coalesce(mc, 0)) from GL_accvouch where iyear = %1 and iperiod < %2 and "
                                   "ccode like '%3%' and ibook <> 1 and (iflag is null or iflag = 2)")
                        .arg(year).arg(period).arg(sqlLikePrefix(prefix)))
        .money(0);
}

} // namespace qxmxz

#pragma once

#include <QString>

#include "platform/sql/Connection.h"
#include "platform/values/Currency.h"

namespace qxmxz {

// Balances read straight from the account period sums, as a check on what
// the currency routines compute from the procedure.
struct SumsBalance {
    Currency amount;
    Currency foreign;
    double quantity = 0;
};

// The signed (debit-positive) balance at the start of `period` of the end
// accounts under `prefix`, as GL_accsum holds it: posted vouchers only.
inline SumsBalance beginBalanceFromSums(Connection &db, int year, const QString &prefix, int period)
{
    RecordSet rs = db.query(QStringLiteral("select s.cbegind_c, s.mb, s.mb_f, s.nb_s from GL_accsum s "
                                           "join code c on c.iyear = s.iyear and c.ccode = s.ccode "
                                           "where c.bend = 1 and s.iyear = %1 and s.iperiod = %2 and s.ccode like '%3%'")
                                .arg(year)
                                .arg(period)
                                .arg(prefix));
    SumsBalance b;
    for (; !rs.eof(); rs.moveNext()) {
        const int sign = rs.text(QStringLiteral("cbegind_c")) == QStringLiteral("贷") ? -1 : 1;
        b.amount += Currency::fromVariant(rs.field(QStringLiteral("mb"))) * sign;
        b.foreign += Currency::fromVariant(rs.field(QStringLiteral("mb_f"))) * sign;
        b.quantity += rs.field(QStringLiteral("nb_s")).toDouble() * sign;
    }
    return b;
}

// Debit minus credit of the valid lines under `prefix` before `period` whose
// posting state matches `bookCondition` ("ibook = 1", "ibook <> 1").
inline Currency movementBefore(Connection &db, int year, const QString &prefix, int period,
                               const QString &bookCondition)
{
    RecordSet rs = db.query(QStringLiteral("select md, mc from GL_accvouch where iyear = %1 and iperiod < %2 "
                                           "and ccode like '%3%' and %4 and (iflag is null or iflag = 2)")
                                .arg(year)
                                .arg(period)
                                .arg(prefix, bookCondition));
    Currency sum;
    for (; !rs.eof(); rs.moveNext())
        sum += Currency::fromVariant(rs.field(QStringLiteral("md"))) - Currency::fromVariant(rs.field(QStringLiteral("mc")));
    return sum;
}

} // namespace qxmxz

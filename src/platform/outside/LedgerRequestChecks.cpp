#include "LedgerRequestChecks.h"

#include "FiscalCalendar.h"

namespace qxmxz {

void requirePeriodRange(const FiscalCalendar &calendar, int first, int last)
{
    for (int period : {first, last})
        if (period < 1 || period > calendar.periodCount())
            throw Failure::withKey(QStringLiteral("QXMXZ.cli.badperiod"), {QString::number(period)},
                                   QStringLiteral("There is no period %1").arg(period));
    if (first > last)
        throw Failure::withKey(QStringLiteral("QXMXZ.cli.reversedperiods"), {QString::number(first), QString::number(last)},
                               QStringLiteral("The periods %1 to %2 are reversed").arg(first).arg(last));
}

Failure unknownAccount(const QString &code)
{
    return Failure::withKey(QStringLiteral("QXMXZ.cli.unknownaccount"), {code}, QStringLiteral("Unknown account %1").arg(code));
}

} // namespace qxmxz

#pragma once

#include <QString>

#include "platform/Failure.h"

namespace qxmxz {

class FiscalCalendar;

// The checks every ledger makes of what it is asked for, with the same
// message keys whichever ledger asks.

// Both periods exist in the year and come in order ("QXMXZ.cli.badperiod",
// "QXMXZ.cli.reversedperiods").
void requirePeriodRange(const FiscalCalendar &calendar, int first, int last);

// The failure for a code that names no account ("QXMXZ.cli.unknownaccount").
Failure unknownAccount(const QString &code);

} // namespace qxmxz

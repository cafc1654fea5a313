#pragma once

#include <QList>

#include "install/CompanyParts.h"

namespace qxmxz::db::demo {

// The demo keeps two fiscal years: the current one, whose vouchers are not
// all posted yet, and the closed year before it.
constexpr int CurrentYear = 2026;
constexpr int PriorYear = 2025;

// The chart of accounts of the demo company.
QList<Account> chart();

// Accounts opened at the start of the current year and added to the chart after
// the others, so that the chart is not stored in code order.
QList<Account> chartAddedLater();

// The balances the closed prior year ends with; debits equal credits
// (retained earnings take the difference).
QList<Opening> priorYearClosing();

// The current year's openings: the prior year's closing, with part of the
// ICBC balance moved to the account opened at the start of the year.
QList<Opening> openings();

// Standard unit costs and prices of the demo's goods and materials.
namespace prices {
constexpr qint64 MotorACost = 850, MotorBCost = 1280;
constexpr qint64 MotorAPrice = 1500, MotorBPrice = 2200;
constexpr qint64 SteelCost = 4200;       // per 吨
constexpr double CopperCost = 68.0;      // per 千克
constexpr double PelletCost = 9.5;       // per 千克
} // namespace prices

} // namespace qxmxz::db::demo

#pragma once

#include <QList>

#include "install/CompanyParts.h"

namespace qxmxz::db::demo {

// The chart of accounts of the demo company.
QList<Account> chart();

// Its year openings; debits equal credits (retained earnings take the
// difference).
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

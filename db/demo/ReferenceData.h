#pragma once

#include <QString>

namespace qxmxz {
class Connection;
}

namespace qxmxz::db {

// The tables every company of ours shares besides its chart and vouchers:
// general-ledger options, the calendar of the year (twelve calendar months),
// voucher types, settlement methods, currencies, departments, persons,
// customers, vendors and their classes, project items, inventory,
// user-defined items, users with their function and data rights, print
// layouts and templates, and source systems.
//
// Users (account set "001"):
//   demo  all rights
//   wang  all rights through the role "accountant"
//   zhao  the general ledger (GL0301…) but not the detail ledger GL0305
//   li    all rights, restricted to the accounts under 1001 and 1002
//   sun   all rights, restricted to departments 01, 03 and 0301 (not 0302)
//   qian  all rights, restricted to the accounts under 1001 but exempt
//   admin an administrator (iAdmin 1)
void loadReferenceData(Connection &connection, int year, const QString &accountSetName);

// What a closed earlier year keeps beside its chart and vouchers: its
// calendar and its function rights, held only by demo, admin and the role
// "accountant" (the other users came later and have no rows for that year).
void loadEarlierYear(Connection &connection, int year);

// Names of the users who make, check and post vouchers.
namespace people {
inline const QString Demo = QStringLiteral("演示用户");
inline const QString Wang = QStringLiteral("王芳");
inline const QString Zhao = QStringLiteral("赵强");
inline const QString Li = QStringLiteral("李娜");
inline const QString Sun = QStringLiteral("孙伟");
inline const QString Qian = QStringLiteral("钱丽");
} // namespace people

} // namespace qxmxz::db

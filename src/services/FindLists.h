#pragma once

#include <QList>
#include <QString>

namespace qxmxz {

class GlPublic;

// The lists the find dialog offers to choose from.
struct FindListEntry {
    QString code;
    QString text;
};

// The users of the account set and year who hold rights in it directly or
// through a role (administrators left out): the makers and checkers a line
// can carry. Codes are user ids, texts their names, in name order.
QString findUsersStatement(const QString &accountSetId, int year);
QList<FindListEntry> findUsers(GlPublic &pub);

// The source systems of voucher lines but purchasing: code sysID, text Sysname.
QList<FindListEntry> sourceSystems(GlPublic &pub);

// Voucher types (code the sign, text the type's name) and settlement
// methods, in their order.
QList<FindListEntry> voucherTypes(GlPublic &pub);
QList<FindListEntry> settlementMethods(GlPublic &pub);

} // namespace qxmxz

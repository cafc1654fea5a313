#pragma once

#include <QString>

namespace qxmxz {

class GlPublic;

// The statement that lists a function right the user holds in the account
// set and year, directly or through a role; it returns a row only when the
// right is held.
QString heldRightStatement(const QString &accountSetId, int year, const QString &userId, const QString &rightId);

// Whether the login's user holds the right in the accounting year, asked of
// the rights table itself (no message, no error state).
bool holdsRight(GlPublic &pub, const QString &rightId);

} // namespace qxmxz

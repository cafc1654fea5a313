#pragma once

#include <QString>

namespace qxmxz {

class GlPublic;

// The one check of what a user may see in a ledger, made by the command
// line, the display methods and the windows before any figure is shown.
// Account rights apply when the account set controls them and the user is
// not exempt; otherwise every account is readable.

// Whether the user may read the account `code` and every account under it.
// A refusal leaves in `message` the text naming the first account refused.
bool mayReadAccountTree(GlPublic &pub, const QString &code, QString &message);

// Whether the user may read every account of the range from `start` to
// `end` and every account under `end`.
bool mayReadAccountRange(GlPublic &pub, const QString &start, const QString &end, QString &message);

// Whether the user may read every account of the general ledger's
// conditions: the end accounts of the range, or the accounts of the range
// whose grade lies from `firstGrade` to `lastGrade`.
bool mayReadAccountGrades(GlPublic &pub, bool endAccountsOnly, quint8 firstGrade, quint8 lastGrade,
                          const QString &start, const QString &end, QString &message);

// Whether the user may read the lines of every department that the accounts
// from `start` to `end` (and every account under `end`; with an empty `end`,
// every account under `start`) carry in the login's year. A user restricted
// on departments is refused the whole ledger when one of its lines belongs to
// a department the user may not read: leaving such lines out would show
// totals and balances that are not the account's. `message` names the first
// department refused.
bool mayReadLineDepartments(GlPublic &pub, const QString &start, const QString &end, QString &message);

} // namespace qxmxz

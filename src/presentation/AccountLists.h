#pragma once

#include <QString>
#include <QStringList>

namespace qxmxz {

class GlPublic;

// The account entries ("code name", names in the login's language) that the
// condition dialogs put into the ledger windows' account combos, in code
// order, from the chart of the login's year.

// Whether `code` lies in the range from `start` to `end`: at or after the
// start and at or before the end or under it. An empty start is open below,
// an empty end open above.
bool inAccountRange(const QString &code, const QString &start, const QString &end);

// Every account of the range; with both ends empty, every account.
QStringList accountEntriesOfRange(const GlPublic &pub, const QString &start, const QString &end);

// The accounts of one grade under a first-grade account, within the range
// (the first-grade account itself at grade 1).
QStringList accountEntriesAtGrade(const GlPublic &pub, const QString &firstGradeCode, int grade,
                                  const QString &start, const QString &end);

// The accounts of the general ledger: those of the range whose grade lies
// from `firstGrade` to `lastGrade`, or the end accounts of the range only.
QStringList generalLedgerAccountEntries(const GlPublic &pub, const QString &start, const QString &end,
                                        int firstGrade, int lastGrade, bool endAccountsOnly);

// "code name" of one account of the chart.
QString accountEntry(const GlPublic &pub, const QString &code);

} // namespace qxmxz

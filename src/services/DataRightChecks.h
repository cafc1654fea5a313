#pragma once

#include <QString>

#include "DataRightStatements.h"

namespace qxmxz {

class GlPublic;

// The data-right checks of the operator of the general-ledger object's login.
// Each asks the rights service for the codes the operator may read; when the
// operator is not restricted on the object it succeeds without a query.
// Otherwise it walks the codes in question in code order and stops at the
// first one the operator may not read: `message` then receives the text to
// show (the caller shows it) naming that one code or department, and the
// answer is false. No codes at all pass. A code that no account or
// department can have (a blank, a quote, a LIKE wildcard) is refused the same
// way, by name, before any statement is made.

// Every account (or department) whose code begins with `prefix`.
bool CheckCodeRight(GlPublic &pub, DataRightKind kind, const QString &prefix, QString &message);

// The codes of a range; `extraCondition` as codeRangeRightStatement takes it
// (callers pass an empty text).
bool CheckCodeRangeRight(GlPublic &pub, DataRightKind kind, const QString &start, const QString &end,
                         QString &message, const QString &extraCondition = {});

// Accounts of a grade range ("Grade") or the end accounts ("EndGrade") of a code range.
bool CheckGradeRight(GlPublic &pub, const QString &mode, QString &message, const QString &start, const QString &end,
                     quint8 startGrade, quint8 endGrade);

} // namespace qxmxz

#pragma once

#include <QString>

namespace qxmxz {

// The objects a data right guards: accounts (authority object "code") and
// departments ("department").
enum class DataRightKind { Accounts = 0, Departments = 4 };

// The authority object name of a kind: "code" or "department".
QString authorityObjectName(DataRightKind kind);

// The statements of the data-right checks. Each lists the codes in question
// in code order with the matching code of the authority sub-query `authority`
// (Null where the operator may not read the code): columns CodeId (accounts)
// or cDepName and cDepId (departments), and AuthId.
//
// Codes are written into the statements as literals. A code that is not a
// plain code (a blank, a quote, a LIKE wildcard) is refused with a Failure
// before any statement is made, so that nothing typed can widen or rewrite a
// check. An empty start or end code means an open end.

// Every code that begins with `prefix`.
QString codeRightStatement(DataRightKind kind, const QString &prefix, const QString &authority);

// The codes from `start` to `end` and the children of `end`; `extraCondition`
// is SQL placed right after "where 1=1 ". A department range given backwards
// is turned round; an account range given backwards selects nothing.
QString codeRangeRightStatement(DataRightKind kind, const QString &start, const QString &end,
                                const QString &authority, const QString &extraCondition);

// Accounts of a grade range ("Grade") or end accounts only ("EndGrade") within
// the code range. Throws a Failure for another mode word.
QString gradeRightStatement(const QString &mode, const QString &start, const QString &end, quint8 startGrade,
                            quint8 endGrade, const QString &authority);

} // namespace qxmxz

#pragma once

#include <QString>

namespace qxmxz {

// Helpers for values that the component concatenates into SQL. Every text
// value goes through one of these so that a crafted value can neither close
// the literal nor widen a LIKE pattern.

// The value with each single quote doubled, for use between quotes: "N'" + sqlQuoted(code) + "'".
QString sqlQuoted(const QString &value);

// For a value that is followed by "%" in a LIKE pattern: quotes doubled, and a
// value holding a LIKE wildcard ("%", "_", "[") or a backslash is refused with
// a Failure, since no account, department or person code contains one.
QString sqlLikePrefix(const QString &value);

// The same check for a value bound as a parameter and followed by "%":
// returns the value unchanged, or throws a Failure for a LIKE wildcard.
QString likePrefixParameter(const QString &value);

// True when the text is usable as an account, department or similar code:
// not empty, no blanks, no quotes and no LIKE wildcards.
bool isPlainCode(const QString &value);

} // namespace qxmxz

#pragma once

#include <QString>
#include <QStringList>

namespace qxmxz {

class GlPublic;

// Whether the operator may read the accounts a display request names. In
// force only when the account set controls account rights, the operator is
// restricted on accounts and not exempt; otherwise every account passes. The
// first account the operator may not read stops the check with a message:
// for a list (`isList`, the codes of `codes`) "nohavequeryright" naming the
// code, for the single `code` "noqueryright" (both with the information icon).
bool CheckQueryRight(GlPublic &pub, bool isList, const QString &code, const QStringList &codes);

} // namespace qxmxz

#pragma once

#include <QString>
#include <QStringList>

namespace qxmxz {

class GlPublic;

// The print template of a ledger: the row of printEx for system "GL" and the
// template code. `description` gets (at least) three elements: 0 the title
// resource number as text, 1 the head template path, 2 the tail template
// path. A title number of 1 means the default templates ("printdef" twice);
// otherwise a path is "GLRep\" + the login's language folder ("zh-CN\" when
// the login names no language) + the column's value, or empty when the column
// is Null. Without a row the operator is told so (no icon) and `description`
// is left as it was; the answer is then false.
bool GetPrintTemplate(GlPublic &pub, const QString &templateCode, QStringList &description);

} // namespace qxmxz

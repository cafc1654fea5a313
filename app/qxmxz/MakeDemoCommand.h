#pragma once

#include <QStringList>
#include <QTextStream>

namespace qxmxz::cli {

// make-demo PATH|URL [--lines N] [--seed S]
//
// Creates a new accounting database at PATH (a SQLite file, which must not
// exist yet) or at a sqlite:, postgresql:// URL, and fills it with the demo
// company, or with --lines a generated company of N voucher lines from seed S
// (default 1). `arguments` are those after the command name. Returns 0 when
// done, 1 when the database could not be made, 2 for a wrong command line;
// messages go to `err`, the result line to `out`.
int runMakeDemo(const QStringList &arguments, QTextStream &out, QTextStream &err,
                const QString &language = QStringLiteral("en-US"));

} // namespace qxmxz::cli

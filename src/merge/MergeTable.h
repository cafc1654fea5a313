#pragma once

#include <QString>
#include <QStringList>

namespace qxmxz {

class GlPublic;

// The working table of a merged ledger: the detail ledger's mxfirst columns
// (every figure already formatted) and iListCount, the row's number in the
// ledger. Grid column j shows field j.
namespace MergeTable {

QString ddl(const QString &name);
const QStringList &columns();
// Creates the table under a fresh name for "mxfirst" in the local database;
// returns the name.
QString create(GlPublic &pub);

} // namespace MergeTable
} // namespace qxmxz

#pragma once

#include <QString>
#include <QStringList>

namespace qxmxz {

class Connection;
class GlPublic;
class LocalDatabase;

// The engine's working tables. Their names come from the general-ledger
// object (one fresh name per creation); their layout is fixed here.
namespace WorkingTables {

// mxfirst: the display rows of a ledger by code or by period, every value
// already formatted (columns: displayTableColumns()). Grid column j shows field j.
QString mxfirstDdl(const QString &name);
// Creates mxfirst under a fresh name in the local database; returns the name.
QString createMxfirst(GlPublic &pub);

// yjmxz: the rows of a month-by-month ledger, numbers unformatted.
QString yjmxzDdl(const QString &name);
const QStringList &yjmxzColumns();
QString createYjmxz(GlPublic &pub);

// mxzmonth: the voucher lines of a month-by-month run, on the server.
// `condition` begins with "GL_accvouch where". Returns the name.
QString createMxzmonth(GlPublic &pub, const QString &condition);

} // namespace WorkingTables
} // namespace qxmxz

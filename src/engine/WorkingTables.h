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
// Its columns in table order; YjmxzColumn names their positions.
const QStringList &yjmxzColumns();
enum YjmxzColumn : int {
    nian, yue, ri, PzId, ccode, ccode_name, cdigest, Price, Frate,
    nd_s, md_f, md, nc_s, mc_f, mc, cendd_c, ne_s, aPrice, me_f, aFrat, mend,
    cperson_id, ccus_id, cDept_id, citem_id, cn_m, cn_id, cbill, ccheck, csup_id,
    cdef1, ccode_equal = cdef1 + 16, coutsysname, ibook, Flag, iListCount
};
QString createYjmxz(GlPublic &pub);

// mxzmonth: the voucher lines of a month-by-month run, copied on the server
// under `name` (the session's working-table name for "mxzmonth"), on the
// connection given. `condition` begins with "GL_accvouch where".
void createMxzmonth(Connection &server, const QString &name, const QString &condition);

} // namespace WorkingTables
} // namespace qxmxz

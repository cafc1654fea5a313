#include "MergeTable.h"

#include "platform/outside/GlPublic.h"
#include "platform/sql/LocalDatabase.h"
#include "services/DisplayTableColumns.h"

namespace qxmxz::MergeTable {

QString ddl(const QString &name)
{
    return QStringLiteral("CREATE TABLE ") + name
           + QStringLiteral(" (Nian TEXT,Yue TEXT,Ri TEXT,PzId TEXT,ccode TEXT,CodeName TEXT,")
           + QStringLiteral("cDigest TEXT,ccode_equal TEXT,Price TEXT,Frate TEXT,Snd_s Text,Smd_f TEXT,Smd TEXT,")
           + QStringLiteral("Snc_s TEXT,Smc_f TEXT,Smc TEXT,Scendd_c TEXT,Sne_s TEXT,aPrice TEXT,")
           + QStringLiteral("Sme_f TEXT,aFrat TEXT,Smend TEXT,cPerson_id TEXT,cCus_id TEXT,")
           + QStringLiteral("cDept_id TEXT,cItem_id TEXT,cn_m TEXT,cn_id TEXT,cbill TEXT,cCheck TEXT,cSup_id TEXT,")
           + QStringLiteral("cdef1 TEXT,cdef2 TEXT,cdef3 TEXT,cdef4 TEXT,cdef5 TEXT,")
           + QStringLiteral("cdef6 TEXT,cdef7 TEXT,cdef8 TEXT,cdef9 TEXT,cdef10 TEXT,")
           + QStringLiteral("cdef11 TEXT,cdef12 TEXT,cdef13 TEXT,cdef14 TEXT,cdef15 TEXT,cdef16 TEXT,")
           + QStringLiteral("coutsysname TEXT,iBook BIT,iListCount long);");
}

const QStringList &columns()
{
    static const QStringList names = displayTableColumns() + QStringList{QStringLiteral("iListCount")};
    return names;
}

QString create(GlPublic &pub)
{
    const QString name = pub.workingTableName(QStringLiteral("mxfirst"));
    pub.localDatabase().execute(ddl(name));
    return name;
}

} // namespace qxmxz::MergeTable

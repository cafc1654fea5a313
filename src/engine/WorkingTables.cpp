#include "WorkingTables.h"

#include "platform/outside/GlPublic.h"
#include "platform/sql/Connection.h"
#include "platform/sql/LocalDatabase.h"

namespace qxmxz::WorkingTables {

QString mxfirstDdl(const QString &name)
{
    return QStringLiteral("CREATE TABLE ") + name
           + QStringLiteral(" (Nian TEXT,Yue TEXT,Ri TEXT,PzId TEXT,ccode TEXT,CodeName TEXT,")
           + QStringLiteral("cDigest Memo,ccode_equal TEXT,Price TEXT,Frate TEXT,Snd_s Text,Smd_f TEXT,Smd TEXT,")
           + QStringLiteral("Snc_s TEXT,Smc_f TEXT,Smc TEXT,Scendd_c TEXT,Sne_s TEXT,aPrice TEXT,")
           + QStringLiteral("Sme_f TEXT,aFrat TEXT,Smend TEXT,cPerson_id TEXT,cCus_id TEXT,")
           + QStringLiteral("cDept_id TEXT,cItem_id TEXT,cn_m TEXT,cn_id TEXT,cbill TEXT,cCheck TEXT,cSup_id TEXT,")
           + QStringLiteral("cdef1 TEXT,cdef2 TEXT,cdef3 TEXT,cdef4 TEXT,cdef5 TEXT,")
           + QStringLiteral("cdef6 TEXT,cdef7 TEXT,cdef8 TEXT,cdef9 TEXT,cdef10 TEXT,")
           + QStringLiteral("cdef11 TEXT,cdef12 TEXT,cdef13 TEXT,cdef14 TEXT,cdef15 TEXT,cdef16 TEXT,")
           + QStringLiteral("coutsysname TEXT,iBook BIT);");
}

QString createMxfirst(GlPublic &pub)
{
    const QString name = pub.workingTableName(QStringLiteral("mxfirst"));
    LocalDatabase &local = pub.localDatabase();
    local.execute(mxfirstDdl(name));
    local.execute(QStringLiteral("Create INDEX PrimaryKey ON ") + name + QStringLiteral(" (PzId,ccode,cDept_id)"));
    return name;
}

QString yjmxzDdl(const QString &name)
{
    return QStringLiteral("CREATE TABLE ") + name
           + QStringLiteral(" (nian TEXT,yue TEXT,ri TEXT,PzId TEXT,ccode TEXT,ccode_name TEXT,cdigest TEXT,Price TEXT,Frate TEXT, ")
           + QStringLiteral("nd_s Double,md_f Currency,md Currency,nc_s Double,mc_f Currency,mc Currency,")
           + QStringLiteral("cendd_c TEXT,ne_s Double,aPrice TEXT,me_f Currency,aFrat TEXT,mend Currency,")
           + QStringLiteral(" cperson_id TEXT,ccus_id TEXT,cDept_id TEXT,citem_id TEXT, cn_m TEXT,cn_id TEXT,")
           + QStringLiteral("cbill TEXT,ccheck TEXT,csup_id TEXT,")
           + QStringLiteral("cdef1 TEXT,cdef2 TEXT,cdef3 TEXT,cdef4 TEXT,cdef5 TEXT,")
           + QStringLiteral("cdef6 TEXT,cdef7 TEXT,cdef8 TEXT,cdef9 TEXT,cdef10 TEXT,")
           + QStringLiteral("cdef11 TEXT,cdef12 TEXT,cdef13 TEXT,cdef14 TEXT,cdef15 TEXT,cdef16 TEXT,")
           + QStringLiteral("ccode_equal TEXT,coutsysname TEXT,ibook BYTE,Flag BYTE,iListCount long);");
}

const QStringList &yjmxzColumns()
{
    static const QStringList columns = [] {
        QStringList c{QStringLiteral("nian"),    QStringLiteral("yue"),     QStringLiteral("ri"),
                      QStringLiteral("PzId"),    QStringLiteral("ccode"),   QStringLiteral("ccode_name"),
                      QStringLiteral("cdigest"), QStringLiteral("Price"),   QStringLiteral("Frate"),
                      QStringLiteral("nd_s"),    QStringLiteral("md_f"),    QStringLiteral("md"),
                      QStringLiteral("nc_s"),    QStringLiteral("mc_f"),    QStringLiteral("mc"),
                      QStringLiteral("cendd_c"), QStringLiteral("ne_s"),    QStringLiteral("aPrice"),
                      QStringLiteral("me_f"),    QStringLiteral("aFrat"),   QStringLiteral("mend"),
                      QStringLiteral("cperson_id"), QStringLiteral("ccus_id"), QStringLiteral("cDept_id"),
                      QStringLiteral("citem_id"), QStringLiteral("cn_m"),   QStringLiteral("cn_id"),
                      QStringLiteral("cbill"),   QStringLiteral("ccheck"),  QStringLiteral("csup_id")};
        for (int i = 1; i <= 16; ++i)
            c << QStringLiteral("cdef%1").arg(i);
        c << QStringLiteral("ccode_equal") << QStringLiteral("coutsysname") << QStringLiteral("ibook")
          << QStringLiteral("Flag") << QStringLiteral("iListCount");
        return c;
    }();
    return columns;
}

QString createYjmxz(GlPublic &pub)
{
    const QString name = pub.workingTableName(QStringLiteral("yjmxz"));
    LocalDatabase &local = pub.localDatabase();
    local.execute(yjmxzDdl(name));
    local.execute(QStringLiteral("CREATE INDEX ccode ON ") + name + QStringLiteral(" (ccode,yue,Flag);"));
    return name;
}

void createMxzmonth(Connection &server, const QString &name, const QString &condition)
{
    server.executeIgnoringErrors(QStringLiteral("Drop Table ") + name);
    // The condition's code range or prefix leaves the code index unbounded: a
    // walk of the year's whole index took three times a scan of the year.
    server.withoutPlainIndexScans(
        [&] { server.execute(QStringLiteral("SELECT * INTO ") + name + QStringLiteral(" FROM ") + condition); });
    server.execute(QStringLiteral("CREATE INDEX MyKey ON ") + name + QStringLiteral(" (ccode,iperiod);"));
}

} // namespace qxmxz::WorkingTables

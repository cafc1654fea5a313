#include "MergeTable.h"

#include "platform/outside/GlPublic.h"
#include "platform/sql/LocalDatabase.h"

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
    static const QStringList names = [] {
        QStringList c{QStringLiteral("Nian"),     QStringLiteral("Yue"),        QStringLiteral("Ri"),
                      QStringLiteral("PzId"),     QStringLiteral("ccode"),      QStringLiteral("CodeName"),
                      QStringLiteral("cDigest"),  QStringLiteral("ccode_equal"), QStringLiteral("Price"),
                      QStringLiteral("Frate"),    QStringLiteral("Snd_s"),      QStringLiteral("Smd_f"),
                      QStringLiteral("Smd"),      QStringLiteral("Snc_s"),      QStringLiteral("Smc_f"),
                      QStringLiteral("Smc"),      QStringLiteral("Scendd_c"),   QStringLiteral("Sne_s"),
                      QStringLiteral("aPrice"),   QStringLiteral("Sme_f"),      QStringLiteral("aFrat"),
                      QStringLiteral("Smend"),    QStringLiteral("cPerson_id"), QStringLiteral("cCus_id"),
                      QStringLiteral("cDept_id"), QStringLiteral("cItem_id"),   QStringLiteral("cn_m"),
                      QStringLiteral("cn_id"),    QStringLiteral("cbill"),      QStringLiteral("cCheck"),
                      QStringLiteral("cSup_id")};
        for (int i = 1; i <= 16; ++i)
            c << QStringLiteral("cdef%1").arg(i);
        c << QStringLiteral("coutsysname") << QStringLiteral("iBook") << QStringLiteral("iListCount");
        return c;
    }();
    return names;
}

QString create(GlPublic &pub)
{
    const QString name = pub.workingTableName(QStringLiteral("mxfirst"));
    pub.localDatabase().execute(ddl(name));
    return name;
}

void numberRows(GlPublic &pub, const QString &name)
{
    // The local database keeps a fresh table's rows in the order of their
    // row ids, starting at 1.
    pub.localDatabase().execute(QStringLiteral("UPDATE ") + name + QStringLiteral(" SET iListCount = rowid"));
}

} // namespace qxmxz::MergeTable

#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>

#include "platform/outside/GlPublic.h"
#include "platform/sql/LocalDatabase.h"
#include "platform/sql/LocalRecordSet.h"

namespace qxmxz {

// A working table in the format the ledgers write (the engine's "mxfirst";
// the merged ledger adds iListCount), made in the session's local database.
inline QString createMxfirstTable(GlPublic &pub)
{
    const QString name = pub.workingTableName(QStringLiteral("mxfirst"));
    pub.localDatabase().execute(
        QStringLiteral("CREATE TABLE ") + name
        + QStringLiteral(" (Nian TEXT,Yue TEXT,Ri TEXT,PzId TEXT,ccode TEXT,CodeName TEXT,"
                         "cDigest Memo,ccode_equal TEXT,Price TEXT,Frate TEXT,Snd_s Text,Smd_f TEXT,Smd TEXT,"
                         "Snc_s TEXT,Smc_f TEXT,Smc TEXT,Scendd_c TEXT,Sne_s TEXT,aPrice TEXT,"
                         "Sme_f TEXT,aFrat TEXT,Smend TEXT,cPerson_id TEXT,cCus_id TEXT,"
                         "cDept_id TEXT,cItem_id TEXT,cn_m TEXT,cn_id TEXT,cbill TEXT,cCheck TEXT,cSup_id TEXT,"
                         "cdef1 TEXT,cdef2 TEXT,cdef3 TEXT,cdef4 TEXT,cdef5 TEXT,"
                         "cdef6 TEXT,cdef7 TEXT,cdef8 TEXT,cdef9 TEXT,cdef10 TEXT,"
                         "cdef11 TEXT,cdef12 TEXT,cdef13 TEXT,cdef14 TEXT,cdef15 TEXT,cdef16 TEXT,"
                         "coutsysname TEXT,iBook BIT);"));
    return name;
}

// The rows of a working table in the order written, each column read as text
// (Null as an empty text).
struct WrittenRows {
    QList<QHash<QString, QString>> rows;

    static WrittenRows read(GlPublic &pub, const QString &table)
    {
        WrittenRows out;
        DynasetRecordSet rs = pub.localDatabase().openDynaset(table);
        for (rs.moveFirst(); !rs.eof(); rs.moveNext()) {
            QHash<QString, QString> row;
            for (int i = 0; i < rs.fieldCount(); ++i)
                row.insert(rs.fieldName(i).toLower(), rs.field(i).toString());
            out.rows.append(row);
        }
        return out;
    }

    qsizetype size() const { return rows.size(); }
    QString at(qsizetype row, const char *column) const
    {
        return rows.value(row).value(QString::fromLatin1(column).toLower());
    }
};

} // namespace qxmxz

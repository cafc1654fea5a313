#pragma once

#include <QString>
#include <gtest/gtest.h>

#include "platform/outside/GlPublic.h"
#include "platform/sql/LocalDatabase.h"
#include "platform/sql/LocalRecordSet.h"
#include "support/LedgerCells.h"
#include "support/TestSession.h"

namespace qxmxz {

// A working table in the ledgers' display layout (the engine's "mxfirst"),
// made in the session's local database; test::LedgerColumn names its columns.
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

// Each (column, text) pair a row of such a table (test::workingTableRows) is expected to show.
inline void expectCells(const QStringList &row,
                        std::initializer_list<std::pair<test::LedgerColumn, const char *>> cells)
{
    for (const auto &[column, text] : cells)
        EXPECT_EQ(row.value(column), QString::fromUtf8(text)) << "column " << column;
}

} // namespace qxmxz

#include <gtest/gtest.h>

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <algorithm>

#include "platform/Failure.h"
#include "platform/sql/SqlDialect.h"
#include "platform/sql/SqlText.h"

// Every shape of statement the component sends to its database, written as
// the component assembles it, translated by the SQLite dialect and run on a
// small accounting database in memory.

namespace qxmxz {
namespace {

using Rows = std::vector<std::string>;

Rows sorted(Rows rows)
{
    std::sort(rows.begin(), rows.end());
    return rows;
}

class SqliteStatementShapes : public ::testing::Test {
protected:
    void SetUp() override
    {
        static int serial = 0;
        m_name = QStringLiteral("statement-shapes-%1").arg(++serial);
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
        db.setDatabaseName(QStringLiteral(":memory:"));
        ASSERT_TRUE(db.open()) << db.lastError().text().toStdString();
        // Set up in SQLite's own SQL.
        for (const char *sql : {
                 "CREATE TABLE code (iyear INTEGER, ccode TEXT, igrade INTEGER, bend INTEGER, cexch_name TEXT, cmeasure TEXT)",
                 "INSERT INTO code VALUES (2026, '1001', 1, 1, NULL, NULL), (2026, '1002', 1, 0, NULL, NULL),"
                 " (2026, '100201', 2, 1, NULL, NULL), (2026, '100202', 2, 1, '美元', NULL),"
                 " (2026, '1122', 1, 1, NULL, NULL), (2026, '1403', 1, 1, NULL, '吨')",
                 "CREATE TABLE data_rights (cUser_id TEXT, cObject TEXT, cACCode TEXT)",
                 "INSERT INTO data_rights VALUES ('u1', 'code', '1001'), ('u1', 'code', '1002'), ('u1', 'code', '100202')",
                 "CREATE TABLE GL_accvouch (iyear INTEGER, iperiod INTEGER, csign TEXT, isignseq INTEGER, ino_id INTEGER,"
                 " inid INTEGER, dbill_date TEXT, ccode TEXT, cdigest TEXT, md NUMERIC, mc NUMERIC, md_f NUMERIC,"
                 " mc_f NUMERIC, nd_s REAL, nc_s REAL, cexch_name TEXT, iflag INTEGER, ibook INTEGER, cbook TEXT)",
                 // 记-7 and 记-8 are posted, 记-3 is not, 记-9 is voided.
                 "INSERT INTO GL_accvouch VALUES"
                 " (2026, 1, '记', 1, 7, 1, '2026-01-15', '100201', '收到货款', 1000, 0, 0, 0, 0, 0, NULL, NULL, 1, 'demo'),"
                 " (2026, 1, '记', 1, 7, 2, '2026-01-15', '100201', '收到货款', 500, 0, 0, 0, 0, 0, NULL, 2, 1, 'demo'),"
                 " (2026, 1, '记', 1, 7, 3, '2026-01-15', '100201', '利息', 300, 0, 0, 0, 0, 0, NULL, NULL, 1, 'demo'),"
                 " (2026, 1, '记', 1, 7, 4, '2026-01-15', '100201', '手续费', 0, 100, 0, 0, 0, 0, NULL, NULL, 1, 'demo'),"
                 " (2026, 1, '记', 1, 7, 5, '2026-01-15', '100202', '收美元', 650, 0, 100, 0, 0, 0, '美元', NULL, 1, 'demo'),"
                 " (2026, 1, '记', 1, 7, 6, '2026-01-15', '1122', '冲应收', 0, 2350, 0, 0, 0, 0, NULL, NULL, 1, 'demo'),"
                 " (2026, 1, '记', 1, 8, 1, '2026-01-20', '1001', '提现', 200, 0, 0, 0, 0, 0, NULL, NULL, 1, 'demo'),"
                 " (2026, 1, '记', 1, 8, 2, '2026-01-20', '100201', '提现', 0, 200, 0, 0, 0, 0, NULL, NULL, 1, 'demo'),"
                 " (2026, 2, '记', 1, 3, 1, '2026-02-03', '1403', '购料', 300, 0, 0, 0, 2, 0, NULL, NULL, 0, NULL),"
                 " (2026, 2, '记', 1, 3, 2, '2026-02-03', '100201', '购料', 0, 300, 0, 0, 0, 0, NULL, NULL, 0, NULL),"
                 " (2026, 2, '记', 1, 9, 1, '2026-02-05', '100201', '作废', 999, 0, 0, 0, 0, 0, NULL, 1, 0, NULL)"}) {
            QSqlQuery query(db);
            ASSERT_TRUE(query.exec(QString::fromUtf8(sql))) << query.lastError().text().toStdString();
        }
    }

    void TearDown() override
    {
        QSqlDatabase::database(m_name, false).close();
        QSqlDatabase::removeDatabase(m_name);
    }

    // Translates a statement of the component and runs it; each row comes
    // back as its values joined by "|", a Null as "<null>". With `fields`,
    // only those columns, read by name as the component reads them.
    Rows run(const QString &componentSql, const QStringList &fields = {})
    {
        const SqlAction action = m_dialect->translate(componentSql);
        EXPECT_EQ(action.kind, SqlAction::Kind::Statement) << componentSql.toStdString();
        QSqlQuery query(QSqlDatabase::database(m_name));
        Rows rows;
        if (!query.exec(action.text)) {
            ADD_FAILURE() << query.lastError().text().toStdString() << "\n  written: " << componentSql.toStdString()
                          << "\n  run:     " << action.text.toStdString();
            return rows;
        }
        while (query.next()) {
            QStringList values;
            const int count = fields.isEmpty() ? query.record().count() : int(fields.size());
            for (int i = 0; i < count; ++i) {
                const int column = fields.isEmpty() ? i : query.record().indexOf(fields[i]);
                EXPECT_GE(column, 0) << "no column " << fields.value(i).toStdString();
                const QVariant value = query.value(column);
                values << (value.isNull() ? QStringLiteral("<null>") : value.toString());
            }
            rows.push_back(values.join(u'|').toStdString());
        }
        return rows;
    }

private:
    QString m_name;
    std::unique_ptr<SqlDialect> m_dialect = makeDialect(Backend::Sqlite, {});
};

struct Shape {
    const char *name;
    QStringList before; // statements of the component run first, in order
    QString query;
    QStringList fields; // read by name; every column when empty
    Rows rows;          // in any order
};

std::vector<Shape> shapes()
{
    const QString rights = QStringLiteral("select cACCode from data_rights where cUser_id = N'u1' and cObject = N'code'");
    const QString intoMonthTable =
        QStringLiteral("SELECT * INTO mxzmonth_u1 FROM GL_accvouch where ((ccode >= N'1001' and ccode <= N'1002') or"
                       " (ccode like N'1002%'))  and iperiod >= 1 and iperiod<= 2 and ibook=1 and (iflag=2 or iflag is NULL)"
                       " and iyear=2026 order by ccode,dbill_date,isignseq,ino_id,inid");
    const QString oneVoucher = QStringLiteral(" where iyear=2026 and ccode = N'100201' and iperiod = 1 and isignseq = 1"
                                              " and ino_id = 7 and ibook = 1 ");
    return {
        {"an account range left-joined to the user's rights", {},
         "select Ta.ccode as CodeId,Tc.cACCode as AuthId from (select ccode from code where 1=1  and (ccode >=N'1002' and "
         "ccode <= N'1122' or ccode like N'1122%') ) Ta left outer join (" + rights + ") Tc on Ta.ccode = Tc.cACCode  order by Ta.ccode",
         {"CodeId", "Authid"}, {"1002|1002", "100201|<null>", "100202|100202", "1122|<null>"}},
        {"the right of one account", {}, "Select Ta.* from (" + rights + ") Ta where Ta.cACCode = N'100202'", {}, {"100202"}},
        {"a union of parenthesised members", {},
         "(select ccode from code where ccode like N'1002%' and bend = 1) union (" + rights + ") order by 1", {},
         {"1001", "1002", "100201", "100202"}},
        {"grouped members of a union all, per summary", {},
         "(select cdigest,cexch_name,Sum(Md) as Md,0 as Mc,Sum(Md_f) as Md_f,0 as Mc_f from gl_accvouch " + oneVoucher +
             " group by cdigest,cexch_name having(Sum(Md) <> 0))  union all (select cdigest,Cexch_name,0 as Md, Sum(Mc) as Mc,"
             "0 as Md_f,Sum(Mc_f) as Mc_f from gl_accvouch " + oneVoucher + " group by cdigest,cexch_name having(Sum(Mc) <> 0))",
         {"cdigest", "cexch_name", "Md", "Mc"}, {"利息|<null>|300|0", "收到货款|<null>|1500|0", "手续费|<null>|0|100"}},
        {"a compound inside a sub-query", {},
         "select count(*) from ((select ccode from code) except (" + rights + ")) x", {}, {"3"}},
        {"a month table by SELECT … INTO, dropped, built again and indexed",
         {intoMonthTable, "Drop Table mxzmonth_u1", intoMonthTable, "CREATE INDEX MyKey ON mxzmonth_u1 (ccode,iperiod);"},
         "Select * From mxzmonth_u1", {"ccode", "ino_id", "inid", "md", "mc"},
         {"1001|8|1|200|0", "100201|7|1|1000|0", "100201|7|2|500|0", "100201|7|3|300|0", "100201|7|4|0|100", "100201|8|2|0|200",
          "100202|7|5|650|0"}},
        {"the same index name on two working tables",
         {"CREATE TABLE mxfirst_1 (PzId TEXT,ccode TEXT,cDept_id TEXT,cDigest Memo,iBook BIT);",
          "Create INDEX PrimaryKey ON mxfirst_1 (PzId,ccode,cDept_id)",
          "CREATE TABLE mxfirst_2 (PzId TEXT,ccode TEXT,cDept_id TEXT,cDigest Memo,iBook BIT,iListCount long);",
          "Create INDEX PrimaryKey ON mxfirst_2 (PzId,ccode,cDept_id)"},
         "select name from sqlite_master where type='index' and tbl_name like 'mxfirst%'", {},
         {"mxfirst_1_PrimaryKey", "mxfirst_2_PrimaryKey"}},
        {"a working table in the column types of the local database",
         {"CREATE TABLE yjmxz_1 (nian TEXT,ccode TEXT,cdigest TEXT(50),nd_s Double,md Currency,ibook BYTE,Flag BYTE,"
          "iListCount long);",
          "insert into yjmxz_1 (ccode, cdigest, md, nd_s, Flag) values (N'100201', N'期初余额', 1500.25, 2.5, 0)"},
         "Select ccode,cdigest,md,nd_s,Flag from yjmxz_1 order by ccode,ilistcount,nian,flag", {},
         {"100201|期初余额|1500.25|2.5|0"}},
        {"national date literals against stored dates", {},
         "select distinct ino_id from GL_accvouch where dbill_date<=N'1-20-2026' and dbill_date>N'1-15-2026'", {}, {"8"}},
        {"literals and comments that look like statements", {},
         "/* N'x' */ select 'SET NOCOUNT OFF', N'pay N''x'' now', N'select a into b from c', "
         "N'(select 1) union (select 2)' as [N'z'] -- (select 1) union (select 2)",
         {}, {"SET NOCOUNT OFF|pay N'x' now|select a into b from c|(select 1) union (select 2)"}},
    };
}

TEST_F(SqliteStatementShapes, everyShapeRunsAndAnswersAsOnTheServer)
{
    for (const Shape &shape : shapes()) {
        SCOPED_TRACE(shape.name);
        for (const QString &statement : shape.before)
            run(statement);
        EXPECT_EQ(sorted(run(shape.query, shape.fields)), sorted(shape.rows));
    }
}

TEST_F(SqliteStatementShapes, craftedValuesStayOneLiteralAndNeverWidenAQuery)
{
    const QString crafted = QStringLiteral("1001' or '1'='1");
    EXPECT_EQ(sqlQuoted(crafted), QStringLiteral("1001'' or ''1''=''1"));
    EXPECT_TRUE(run("select ccode from code where ccode = N'" + sqlQuoted(crafted) + "' and iyear=2026").empty());
    EXPECT_TRUE(run("select ccode from code where ccode like N'" + sqlLikePrefix(crafted) + "%'").empty());
    EXPECT_EQ(sorted(run("select ccode from code where ccode like N'" + sqlLikePrefix(QStringLiteral("1002")) + "%'")),
              (Rows{"1002", "100201", "100202"}));
    // A wildcard would widen a prefix pattern, so a code holding one is refused.
    for (const char *bad : {"%", "10%", "1_01", "[1]", "1\\"}) {
        EXPECT_THROW(sqlLikePrefix(QString::fromLatin1(bad)), Failure) << bad;
        EXPECT_THROW(likePrefixParameter(QString::fromLatin1(bad)), Failure) << bad;
    }
    EXPECT_EQ(likePrefixParameter(QStringLiteral("1002'")), QStringLiteral("1002'")); // bound, not concatenated
    for (const char *bad : {"", "10 02", "1001'", "10%", "a;b", "x\"y"})
        EXPECT_FALSE(isPlainCode(QString::fromLatin1(bad))) << bad;
    EXPECT_TRUE(isPlainCode(QStringLiteral("A01-2")));
}

} // namespace
} // namespace qxmxz

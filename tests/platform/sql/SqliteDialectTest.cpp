#include <gtest/gtest.h>

#include "MemorySqlite.h"
#include "platform/Failure.h"
#include "platform/sql/SqlText.h"
#include "platform/sql/SqlTokenizer.h"

namespace qxmxz {
namespace {

class SqliteDialectTest : public MemorySqlite {
protected:
    std::string translated(const QString &sql) { return dialect().translate(sql).text.toStdString(); }
};

TEST_F(SqliteDialectTest, nationalLiteralsLoseTheirPrefixOnly)
{
    EXPECT_EQ(translated("select * from code where ccode like N'1002%' and cclass = n'资产'"),
              "select * from code where ccode like '1002%' and cclass = '资产'");
    EXPECT_EQ(translated("select Nian from t where Nian=N'N''x'"), "select Nian from t where Nian='N''x'");
}

TEST_F(SqliteDialectTest, nationalDateLiteralsBecomeIsoDatesThatCompareWithStoredDates)
{
    EXPECT_EQ(translated("select * from v where dbill_date<=N'3-5-2024' and cdigest=N'3-5-2024x'"),
              "select * from v where dbill_date<='2024-03-05' and cdigest='3-5-2024x'");
    EXPECT_EQ(translated("select * from v where dbill_date<=N'2-30-2024'"), "select * from v where dbill_date<='2-30-2024'");
    given("create table d (dbill_date date)");
    given("insert into d values ('2024-03-04'),('2024-03-05'),('2024-11-01')");
    EXPECT_EQ(run("select dbill_date from d where dbill_date<=N'3-5-2024' order by dbill_date"),
              (Rows{"2024-03-04", "2024-03-05"}));
}

TEST_F(SqliteDialectTest, selectIntoBecomesCreateTableAs)
{
    EXPECT_EQ(translated("SELECT * INTO mxzmonth_7 FROM GL_accvouch where iyear=2026 order by ccode"),
              "CREATE TABLE mxzmonth_7 AS SELECT * FROM GL_accvouch where iyear=2026 order by ccode");
    EXPECT_EQ(translated("select ccode, (select 1 from t) as x into main.copy from code"),
              "CREATE TABLE main.copy AS select ccode, (select 1 from t) as x from code");
    // An INTO after the FROM, or inside a sub-query, is not a SELECT … INTO.
    EXPECT_EQ(translated("select a from t where b in (select c into d from e)"),
              "select a from t where b in (select c into d from e)");
    EXPECT_EQ(translated("insert into t select * from u"), "insert into t select * from u");
}

TEST_F(SqliteDialectTest, parenthesisedCompoundMembersAreSelectedFrom)
{
    EXPECT_EQ(translated("(select a from t) union all (select b from u)"),
              "SELECT * FROM (select a from t) union all SELECT * FROM (select b from u)");
    EXPECT_EQ(translated("(select a from t) union (select b from u) order by 1"),
              "SELECT * FROM (select a from t) union SELECT * FROM (select b from u) order by 1");
    EXPECT_EQ(translated("(select a from t)"), "SELECT * FROM (select a from t)");
    // A compound inside a sub-query gets the same treatment; ordinary
    // parentheses do not.
    EXPECT_EQ(translated("select * from ((select a from t) except (select a from u)) x where a in (1,2)"),
              "select * from (SELECT * FROM (select a from t) except SELECT * FROM (select a from u)) x where a in (1,2)");
    EXPECT_EQ(translated("select a from t union select b from u"), "select a from t union select b from u");
    EXPECT_EQ(translated("select Sum(md) from t where (a=1 or b=2) and c in (select d from e)"),
              "select Sum(md) from t where (a=1 or b=2) and c in (select d from e)");
}

TEST_F(SqliteDialectTest, setNocountDoesNothing)
{
    for (const char *sql : {"SET NOCOUNT OFF ", "set nocount on", "Set NoCount Off;", "  SET\tNOCOUNT ON  \n"})
        EXPECT_EQ(dialect().translate(QString::fromUtf8(sql)), (SqlAction{SqlAction::Kind::Nothing, {}, {}})) << sql;
    EXPECT_EQ(dialect().translate("SET NOCOUNT OFF, x").kind, SqlAction::Kind::Statement);
}

TEST_F(SqliteDialectTest, procedureCallsCarryTheirLiteralArguments)
{
    const SqlAction call = dialect().translate("GL_glCode 'C%',1,12,1,2026");
    EXPECT_EQ(call.kind, SqlAction::Kind::ProcedureCall);
    EXPECT_EQ(call.text.toStdString(), "GL_glCode");
    EXPECT_EQ(call.arguments, (QVariantList{QStringLiteral("C%"), 1LL, 12LL, 1LL, 2026LL}));
    EXPECT_EQ(call.arguments[1].typeId(), QMetaType::LongLong);

    const SqlAction exec = dialect().translate("exec gl_glcode N'10''02%', -1.5, +3, NULL ;");
    EXPECT_EQ(exec.kind, SqlAction::Kind::ProcedureCall);
    EXPECT_EQ(exec.text.toStdString(), "GL_glCode"); // as the procedure list spells it
    EXPECT_EQ(exec.arguments, (QVariantList{QStringLiteral("10'02%"), -1.5, 3LL, QVariant()}));
    EXPECT_EQ(exec.arguments[1].typeId(), QMetaType::Double);

    const SqlAction bare = dialect().translate("EXECUTE GL_SubsLedger");
    EXPECT_EQ(bare, (SqlAction{SqlAction::Kind::ProcedureCall, QStringLiteral("GL_SubsLedger"), {}}));
}

TEST_F(SqliteDialectTest, onlyKnownProceduresWithLiteralArgumentsAreCalls)
{
    for (const char *sql : {"GL_accvouch 'x', 1", "select * from GL_glCode", "GL_glCode 'x' 1", "GL_glCode 'x',",
                            "GL_glCode :KmCode", "'GL_glCode' 1"})
        EXPECT_EQ(dialect().translate(QString::fromUtf8(sql)).kind, SqlAction::Kind::Statement) << sql;
}

TEST_F(SqliteDialectTest, createIndexNamesTheIndexAfterItsTable)
{
    EXPECT_EQ(dialect().indexName("mxfirst_3", "PrimaryKey").toStdString(), "mxfirst_3_PrimaryKey");
    EXPECT_EQ(translated("Create INDEX PrimaryKey ON mxfirst_3 (PzId,ccode,cDept_id)"),
              "Create INDEX mxfirst_3_PrimaryKey ON mxfirst_3 (PzId,ccode,cDept_id)");
    EXPECT_EQ(translated("CREATE UNIQUE INDEX IF NOT EXISTS [My Key] ON \"work table\" (a);"),
              "CREATE UNIQUE INDEX IF NOT EXISTS \"work table_My Key\" ON \"work table\" (a);");
    EXPECT_EQ(translated("CREATE TABLE PrimaryKey (a TEXT)"), "CREATE TABLE PrimaryKey (a TEXT)");

    // The same index name on two tables: SQLite would refuse the second one as written.
    given("CREATE TABLE one (a TEXT)");
    given("CREATE TABLE two (a TEXT)");
    run("CREATE INDEX ccode ON one (a);");
    run("CREATE INDEX ccode ON two (a);");
    EXPECT_EQ(run("select name from sqlite_master where type='index' order by name"),
              (Rows{"one_ccode", "two_ccode"}));
}

TEST_F(SqliteDialectTest, statementsWithoutForeignFormsStayAsWritten)
{
    for (const char *sql : {"Drop Table mxfirst_1", "select * from GL_msysname where sysid<>'PU' ",
                            "CREATE TABLE p (t1 TEXT(50),t2 TEXT(180))", "", "   "})
        EXPECT_EQ(dialect().translate(QString::fromUtf8(sql)),
                  (SqlAction{SqlAction::Kind::Statement, QString::fromUtf8(sql), {}}))
            << sql;
}

// Text inside literals, quoted identifiers and comments is never rewritten,
// and what a literal holds is still what the database sees.
TEST_F(SqliteDialectTest, literalsAndCommentsAreNeverRewritten)
{
    given("CREATE TABLE gl_accvouch (ccode TEXT, cdigest TEXT)");
    given("INSERT INTO gl_accvouch VALUES ('1001', 'select a into b from c')");
    given("INSERT INTO gl_accvouch VALUES ('1002', 'SET NOCOUNT OFF')");
    given("INSERT INTO gl_accvouch VALUES ('1003', 'pay N''x'' now')");
    given("INSERT INTO gl_accvouch VALUES ('1004', '(select 1) union (select 2)')");

    EXPECT_EQ(run("select ccode from gl_accvouch where cdigest = N'select a into b from c'"), Rows{"1001"});
    EXPECT_EQ(run("select ccode from gl_accvouch where cdigest = 'SET NOCOUNT OFF'"), Rows{"1002"});
    EXPECT_EQ(run("select ccode from gl_accvouch where cdigest = N'pay N''x'' now'"), Rows{"1003"});
    EXPECT_EQ(run("select ccode from gl_accvouch where cdigest = N'(select 1) union (select 2)'"), Rows{"1004"});
    EXPECT_EQ(run("select 'SET NOCOUNT OFF'"), Rows{"SET NOCOUNT OFF"});
    EXPECT_EQ(run("select 'GL_glCode ''C%'',1'"), Rows{"GL_glCode 'C%',1"});

    EXPECT_EQ(translated("select 1 -- N'x' and select a into b from c\n"), "select 1 -- N'x' and select a into b from c\n");
    EXPECT_EQ(translated("/* N'x' */ select N'y' as [N'z']"), "/* N'x' */ select 'y' as [N'z']");
    EXPECT_EQ(run("/* N'x' */ select N'y' as [N'z'] -- (select 1) union (select 2)"), Rows{"y"});
    EXPECT_EQ(translated("select \"into\" from t"), "select \"into\" from t");
}

TEST_F(SqliteDialectTest, valuesMadeSafeStayOneLiteral)
{
    given("CREATE TABLE code (ccode TEXT, iyear INTEGER)");
    given("INSERT INTO code VALUES ('1001', 2026), ('1002', 2026)");

    const QString crafted = QStringLiteral("1001' or '1'='1");
    const QString exact = "select ccode from code where ccode = N'" + sqlQuoted(crafted) + "' and iyear=2026";
    const QString prefix = "select ccode from code where ccode like N'" + sqlLikePrefix(crafted) + "%'";

    int literals = 0;
    for (const SqlToken &token : tokenizeSql(exact))
        literals += token.kind == SqlToken::Kind::NationalString ? 1 : 0;
    EXPECT_EQ(literals, 1);
    EXPECT_TRUE(run(exact).empty());
    EXPECT_TRUE(run(prefix).empty());
    EXPECT_EQ(run("select ccode from code where ccode like N'" + sqlLikePrefix("100") + "%' order by ccode"),
              (Rows{"1001", "1002"}));
    EXPECT_THROW(sqlLikePrefix(QStringLiteral("%")), Failure);
}

} // namespace
} // namespace qxmxz

#include <gtest/gtest.h>

#include "platform/sql/SqlDialect.h"

namespace qxmxz {
namespace {

QStringList procedures()
{
    return {QStringLiteral("GL_SubsLedger"), QStringLiteral("GL_CodeExchBegin"), QStringLiteral("GL_glCode")};
}

SqlAction statement(const QString &text)
{
    return {SqlAction::Kind::Statement, text, {}};
}

// What both server dialects leave exactly as the component writes it.
const char *const writtenForServers[] = {
    "select * from code where ccode like N'1002%' and iyear=2026",
    "SELECT * INTO mxzmonth_u1 FROM GL_accvouch where ccode like N'1002%' and iyear=2026 order by ccode",
    "(select cdigest,cexch_name,Sum(Md) as Md from gl_accvouch  where ino_id = 7 group by cdigest,cexch_name "
    "having(Sum(Md) <> 0))  union all (select cdigest,Cexch_name,Sum(Mc) as Mc from gl_accvouch  where ino_id = 7 "
    "group by cdigest,cexch_name having(Sum(Mc) <> 0))",
    "SELECT iPeriod,Sum(case when cbegind_c<>'贷' then mb else -mb end) as mbb FROM GL_accsum GROUP BY iperiod",
    "Drop Table mxzmonth_u1",
    "select 'GL_glCode ''x'',1' -- SET NOCOUNT OFF",
};

TEST(PostgresDialect, runsTheComponentSqlAsWritten)
{
    const auto dialect = makeDialect(Backend::Postgres, procedures());
    EXPECT_EQ(dialect->backend(), Backend::Postgres);
    for (const char *sql : writtenForServers)
        EXPECT_EQ(dialect->translate(QString::fromUtf8(sql)), statement(QString::fromUtf8(sql))) << sql;
}

TEST(PostgresDialect, readsNationalDateLiteralsAsIsoDates)
{
    const auto dialect = makeDialect(Backend::Postgres, procedures());
    EXPECT_EQ(dialect->translate(QStringLiteral("select 1 from GL_accvouch where dbill_date<=N'12-31-2026'")).text,
              QStringLiteral("select 1 from GL_accvouch where dbill_date<='2026-12-31'"));
    EXPECT_EQ(dialect->translate(QStringLiteral("select N'12-31-2026 '")).text, QStringLiteral("select N'12-31-2026 '"));
}

TEST(PostgresDialect, dropsNocountAndReportsProcedureCalls)
{
    const auto dialect = makeDialect(Backend::Postgres, procedures());
    EXPECT_EQ(dialect->translate("SET NOCOUNT OFF ").kind, SqlAction::Kind::Nothing);
    EXPECT_EQ(dialect->translate("set nocount on;").kind, SqlAction::Kind::Nothing);
    EXPECT_EQ(dialect->translate("GL_glCode '1002%',1,12,1,2026"),
              (SqlAction{SqlAction::Kind::ProcedureCall, QStringLiteral("GL_glCode"),
                         {QStringLiteral("1002%"), 1LL, 12LL, 1LL, 2026LL}}));
    EXPECT_EQ(dialect->translate("EXEC gl_subsledger N'1002%', 1, 3, 0, 0, 2026").text.toStdString(), "GL_SubsLedger");
}

TEST(PostgresDialect, namesIndexesAfterTheirTable)
{
    const auto dialect = makeDialect(Backend::Postgres, procedures());
    EXPECT_EQ(dialect->indexName("mxzmonth_u1", "MyKey").toStdString(), "mxzmonth_u1_MyKey");
    EXPECT_EQ(dialect->translate("CREATE INDEX MyKey ON mxzmonth_u1 (ccode,iperiod);").text.toStdString(),
              "CREATE INDEX mxzmonth_u1_MyKey ON mxzmonth_u1 (ccode,iperiod);");
}

TEST(OdbcDialect, runsEverythingAsWrittenButProcedureCalls)
{
    const auto dialect = makeDialect(Backend::Odbc, procedures());
    EXPECT_EQ(dialect->backend(), Backend::Odbc);
    for (const char *sql : writtenForServers)
        EXPECT_EQ(dialect->translate(QString::fromUtf8(sql)), statement(QString::fromUtf8(sql))) << sql;
    for (const char *sql : {"SET NOCOUNT OFF ", "CREATE INDEX MyKey ON mxzmonth_u1 (ccode,iperiod);",
                            "Create INDEX PrimaryKey ON mxfirst_1 (PzId,ccode,cDept_id)"})
        EXPECT_EQ(dialect->translate(QString::fromUtf8(sql)), statement(QString::fromUtf8(sql))) << sql;
    EXPECT_EQ(dialect->indexName("mxzmonth_u1", "MyKey").toStdString(), "MyKey");

    EXPECT_EQ(dialect->translate("execute GL_CodeExchBegin N'100202%', 3, 1, 2026"),
              (SqlAction{SqlAction::Kind::ProcedureCall, QStringLiteral("GL_CodeExchBegin"),
                         {QStringLiteral("100202%"), 3LL, 1LL, 2026LL}}));
}

TEST(SqlDialect, eachBackendHasItsDialect)
{
    for (Backend backend : {Backend::Sqlite, Backend::Postgres, Backend::Odbc})
        EXPECT_EQ(makeDialect(backend, {})->backend(), backend);
    // Without a procedure list, nothing is a procedure call.
    EXPECT_EQ(makeDialect(Backend::Odbc, {})->translate("GL_glCode 'x'").kind, SqlAction::Kind::Statement);
}

} // namespace
} // namespace qxmxz

#include <gtest/gtest.h>

#include "platform/sql/SqlDialect.h"

namespace qxmxz {
namespace {

std::unique_ptr<SqlDialect> dialectFor(Backend backend)
{
    return makeDialect(backend, {QStringLiteral("GL_SubsLedger"), QStringLiteral("GL_CodeExchBegin"),
                                 QStringLiteral("GL_glCode")});
}

// What SQLite and PostgreSQL run for a statement as the component writes it;
// nullptr stands for the statement as written, which is also what ODBC runs.
struct Translation {
    const char *written;
    const char *sqlite;
    const char *postgres;
};

const Translation translations[] = {
    // National literals lose their prefix on SQLite only; words beginning with N are no literals.
    {"select Nian from code where ccode like N'1002%' and cclass = n'资产' and Nian=N'N''x'",
     "select Nian from code where ccode like '1002%' and cclass = '资产' and Nian='N''x'", nullptr},
    // A national m-d-yyyy literal is a date; a literal that only looks like one is text.
    {"select 1 from v where dbill_date<=N'3-5-2024' and cdigest=N'3-5-2024x' and d<N'2-30-2024'",
     "select 1 from v where dbill_date<='2024-03-05' and cdigest='3-5-2024x' and d<'2-30-2024'",
     "select 1 from v where dbill_date<='2024-03-05' and cdigest=N'3-5-2024x' and d<N'2-30-2024'"},
    // SELECT … INTO at the top level becomes CREATE TABLE … AS on SQLite.
    {"select ccode, (select 1 from t) as x into main.copy from code",
     "CREATE TABLE main.copy AS select ccode, (select 1 from t) as x from code", nullptr},
    {"select a from t where b in (select c into d from e)", nullptr, nullptr},
    {"insert into t select * from u", nullptr, nullptr},
    // Parenthesised compound members are selected from, at any depth; other parentheses stay.
    {"(select a from t) union all (select b from u) order by 1",
     "SELECT * FROM (select a from t) union all SELECT * FROM (select b from u) order by 1", nullptr},
    {"(select a from t)", "SELECT * FROM (select a from t)", nullptr},
    {"select * from ((select a from t) except (select a from u)) x where a in (1,2)",
     "select * from (SELECT * FROM (select a from t) except SELECT * FROM (select a from u)) x where a in (1,2)", nullptr},
    {"select a from t union select b from u where (a=1 or b=2) and c in (select d from e)", nullptr, nullptr},
    // Beside an account prefix a period range is kept from the period indexes on SQLite;
    // an equal period, a period without a prefix and a period against a text stay.
    {"select * from GL_accvouch where iyear=2026 and ccode like N'1002%' and iperiod >= 1 and g.iperiod<=12 and iperiod=3",
     "select * from GL_accvouch where iyear=2026 and ccode like '1002%' and +iperiod >= 1 and +g.iperiod<=12 and iperiod=3",
     nullptr},
    {"select 1 from t where ((ccode >= N'1' and ccode <= N'2') or (ccode like N'2%')) and iperiod> 0 and iperiod < '9'",
     "select 1 from t where ((ccode >= '1' and ccode <= '2') or (ccode like '2%')) and +iperiod> 0 and iperiod < '9'",
     nullptr},
    {"select 1 from t where ccode like N'1%' and iperiod >= 1 order by t.iperiod",
     "select 1 from t where ccode like '1%' and iperiod >= 1 order by t.iperiod", nullptr},
    {"select 1 from t where ccode like N'%' and iperiod >= 1", "select 1 from t where ccode like '%' and iperiod >= 1",
     nullptr},
    {"select 1 from t where ccode = N'1002' and iperiod >= 1", "select 1 from t where ccode = '1002' and iperiod >= 1",
     nullptr},
    // Index names are made unique per table where the database names them per schema.
    {"CREATE UNIQUE INDEX IF NOT EXISTS [My Key] ON \"work table\" (a);",
     "CREATE UNIQUE INDEX IF NOT EXISTS \"work table_My Key\" ON \"work table\" (a);",
     "CREATE UNIQUE INDEX IF NOT EXISTS \"work table_My Key\" ON \"work table\" (a);"},
    // Nothing inside literals, quoted identifiers or comments is rewritten; an
    // unterminated literal or comment runs to the end of the text.
    {"/* N'x' */ select N'y' as [N'z'], \"into\" -- select a into b from c\n",
     "/* N'x' */ select 'y' as [N'z'], \"into\" -- select a into b from c\n", nullptr},
    {"select [a]]N'b'], \"x\"\"N'y'\", `N'z'`, N 'w', 'it''s (select 1) union (select 2)' -- N'", nullptr, nullptr},
    {"select N'x', 'it''s N''y'' (select 1) union (select 2)", "select 'x', 'it''s N''y'' (select 1) union (select 2)",
     nullptr},
    {"select N'x' /* never closed N'y'", "select 'x' /* never closed N'y'", nullptr},
    {"   \t\n", nullptr, nullptr},
};

TEST(SqlDialects, eachBackendRunsEveryStatementShapeInItsOwnForm)
{
    for (const Translation &t : translations) {
        const QString written = QString::fromUtf8(t.written);
        const std::pair<Backend, const char *> expected[] = {
            {Backend::Sqlite, t.sqlite}, {Backend::Postgres, t.postgres}, {Backend::Odbc, nullptr}};
        for (const auto &[backend, text] : expected)
            EXPECT_EQ(dialectFor(backend)->translate(written),
                      (SqlAction{SqlAction::Kind::Statement, text ? QString::fromUtf8(text) : written, {}}))
                << int(backend) << ": " << t.written;
    }
}

TEST(SqlDialects, setNocountIsNothingOffTheServerAndProcedureCallsCarryTheirLiteralArguments)
{
    const std::pair<const char *, SqlAction> calls[] = {
        {"GL_glCode 'C%',1,12,1,2026",
         {SqlAction::Kind::ProcedureCall, "GL_glCode", {QStringLiteral("C%"), 1LL, 12LL, 1LL, 2026LL}}},
        // Any case, EXEC or EXECUTE; the name as the procedure list spells it.
        {"exec gl_glcode N'10''02%', -1.5, +3, NULL ;",
         {SqlAction::Kind::ProcedureCall, "GL_glCode", {QStringLiteral("10'02%"), -1.5, 3LL, QVariant()}}},
        {"EXECUTE GL_SubsLedger", {SqlAction::Kind::ProcedureCall, "GL_SubsLedger", {}}},
    };
    for (Backend backend : {Backend::Sqlite, Backend::Postgres, Backend::Odbc}) {
        for (const char *sql : {"SET NOCOUNT OFF ", "Set NoCount on;", "  SET\tNOCOUNT ON  \n"})
            EXPECT_EQ(dialectFor(backend)->translate(QString::fromUtf8(sql)),
                      (backend == Backend::Odbc ? SqlAction{SqlAction::Kind::Statement, QString::fromUtf8(sql), {}}
                                                : SqlAction{SqlAction::Kind::Nothing, {}, {}})) << sql;
        for (const auto &[written, expected] : calls) {
            const SqlAction action = dialectFor(backend)->translate(QString::fromUtf8(written));
            EXPECT_EQ(action, expected) << int(backend) << ": " << written;
            for (int i = 0; i < action.arguments.size() && i < expected.arguments.size(); ++i)
                EXPECT_EQ(action.arguments[i].typeId(), expected.arguments[i].typeId()) << written << " #" << i;
        }
        // Unknown procedures, queries naming one, and calls with anything but literals are statements.
        for (const char *sql : {"GL_accvouch 'x', 1", "select * from GL_glCode", "GL_glCode 'x' 1", "GL_glCode 'x',",
                                "GL_glCode :KmCode", "'GL_glCode' 1", "SET NOCOUNT OFF, x"})
            EXPECT_EQ(dialectFor(backend)->translate(QString::fromUtf8(sql)).kind, SqlAction::Kind::Statement) << sql;
        EXPECT_EQ(makeDialect(backend, {})->translate("GL_glCode 'x'").kind, SqlAction::Kind::Statement);
    }
}

} // namespace
} // namespace qxmxz

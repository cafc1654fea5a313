#include "ProcedureFunctions.h"

#include <QStringList>

#include "platform/Failure.h"
#include "platform/sql/Connection.h"
#include "platform/sql/ProcedureCatalog.h"
#include "platform/sql/SqlText.h"
#include "platform/sql/SqlTokenizer.h"

namespace qxmxz::db {

namespace {

QString postgresType(const ProcedureDefinition &procedure, const QString &type)
{
    if (type == u"text")
        return QStringLiteral("text");
    if (type == u"integer")
        return QStringLiteral("integer");
    if (type == u"money")
        return QStringLiteral("numeric");
    if (type == u"quantity")
        return QStringLiteral("double precision");
    if (type == u"date")
        return QStringLiteral("date");
    throw Failure(QStringLiteral("The procedure %1 uses the unknown type %2").arg(procedure.name, type));
}

QString bodyWithPositionalParameters(const ProcedureDefinition &procedure)
{
    QString body;
    for (const SqlToken &token : tokenizeSql(procedure.postgresBody)) {
        if (token.kind == SqlToken::Kind::Parameter && token.text.startsWith(u':')) {
            const int index = procedure.parameterIndex(token.text.mid(1));
            if (index < 0)
                throw Failure(QStringLiteral("The procedure %1 names the unknown parameter %2").arg(procedure.name, token.text));
            body += u'$' + QString::number(index + 1);
        } else {
            body += token.text;
        }
    }
    return body;
}

} // namespace

QString postgresFunctionStatement(const ProcedureDefinition &procedure)
{
    // Parameters stay unnamed so that none can shadow a column of the body.
    QStringList parameters;
    for (const auto &p : procedure.parameters)
        parameters << postgresType(procedure, p.type);
    QStringList results;
    for (const auto &r : procedure.results)
        results << r.name + u' ' + postgresType(procedure, r.type);
    // STABLE lets the planner inline the body into the calling query.
    return QStringLiteral("CREATE OR REPLACE FUNCTION %1(%2) RETURNS TABLE(%3) LANGUAGE sql STABLE AS '%4'")
        .arg(procedure.name, parameters.join(QStringLiteral(", ")), results.join(QStringLiteral(", ")),
             sqlQuoted(bodyWithPositionalParameters(procedure)));
}

void installProcedureFunctions(Connection &connection)
{
    if (connection.backend() != Backend::Postgres)
        return;
    // An amount as a plain number, for the procedures' arithmetic that is not
    // a sum of amounts; SQLite connections define the same function for the
    // way they keep money.
    connection.execute(QStringLiteral("CREATE OR REPLACE FUNCTION money_value(numeric) RETURNS double precision "
                                      "LANGUAGE sql IMMUTABLE AS 'select cast($1 as double precision)'"));
    for (const ProcedureDefinition &procedure : ProcedureCatalog::all())
        connection.execute(postgresFunctionStatement(procedure));
}

} // namespace qxmxz::db

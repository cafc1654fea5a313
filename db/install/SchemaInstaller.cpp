#include "AccountingDatabase.h"

#include "ProcedureFunctions.h"
#include "SchemaStatements.h"
#include "platform/Failure.h"

namespace qxmxz::db {

namespace {

// On PostgreSQL account codes compare byte by byte (collation "C"), as they
// do on SQLite: code order is then the same on both backends, and a
// condition "ccode like 'prefix%'" can use the indexes on the code.
void compareCodesByteByByte(Connection &connection)
{
    for (const char *table : {"code", "GL_accvouch", "GL_accsum"}) {
        const QString name = QString::fromLatin1(table);
        RecordSet type = connection.query(
            QStringLiteral("select format_type(atttypid, atttypmod) as type from pg_attribute "
                           "where attrelid = '%1'::regclass and attname = 'ccode'").arg(name.toLower()));
        connection.execute(QStringLiteral("ALTER TABLE %1 ALTER COLUMN ccode TYPE %2 COLLATE \"C\"")
                               .arg(name, type.text(QStringLiteral("type"))));
    }
}

} // namespace

void installSchema(Connection &connection)
{
    const QStringList statements = splitSchemaScript(accountingSchemaScript());
    connection.beginTransaction();
    try {
        for (const QString &statement : statements)
            connection.execute(statement);
        if (connection.backend() == Backend::Postgres)
            compareCodesByteByByte(connection);
        installProcedureFunctions(connection);
        if (connection.backend() == Backend::Sqlite)
            connection.execute(QStringLiteral("PRAGMA user_version = %1").arg(Connection::SqliteFormatVersion));
        connection.commit();
    } catch (const Failure &failure) {
        connection.rollback();
        throw Failure(QStringLiteral("Cannot install the accounting schema"), failure.describe());
    }
}

} // namespace qxmxz::db

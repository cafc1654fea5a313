#include "AccountingDatabase.h"

#include <QFile>
#include <QFileInfo>
#include <QUrl>

#include "platform/Failure.h"
#include "platform/sql/SqlText.h"

namespace qxmxz::db {

namespace {

std::unique_ptr<Connection> createSqliteDatabase(const QString &url)
{
    const QString path = url.mid(int(qstrlen("sqlite:")));
    if (path.isEmpty())
        throw Failure(QStringLiteral("Cannot create the database %1").arg(url), QStringLiteral("no file name"));
    if (QFileInfo::exists(path))
        throw Failure(QStringLiteral("Cannot create the database %1").arg(url), QStringLiteral("the file exists already"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            throw Failure(QStringLiteral("Cannot create the database %1").arg(url), file.errorString());
    }
    try {
        std::unique_ptr<Connection> connection = Connection::open(url);
        installSchema(*connection);
        return connection;
    } catch (...) {
        QFile::remove(path);
        throw;
    }
}

// A database on a PostgreSQL server is only ever given the schema while it
// holds no tables: an existing company is never overwritten.
std::unique_ptr<Connection> withSchema(std::unique_ptr<Connection> connection)
{
    RecordSet tables = connection->query(QStringLiteral(
        "select count(*) as tables from information_schema.tables where table_schema = current_schema()"));
    if (tables.field(0).toInt() > 0)
        throw Failure(QStringLiteral("Cannot create the database %1").arg(connection->connectionText()),
                      QStringLiteral("the database has tables already"));
    installSchema(*connection);
    return connection;
}

// The same server, its maintenance database "postgres".
QString maintenanceUrl(const QUrl &url)
{
    QUrl maintenance(url);
    maintenance.setPath(QStringLiteral("/postgres"));
    return maintenance.toString();
}

std::unique_ptr<Connection> createPostgresDatabase(const QString &url)
{
    const QUrl parsed(url);
    const QString name = parsed.path().mid(1);
    if (name.isEmpty())
        throw Failure(QStringLiteral("Cannot create the database %1").arg(url), QStringLiteral("the URL names no database"));
    {
        std::unique_ptr<Connection> server = Connection::open(maintenanceUrl(parsed));
        RecordSet found = server->query(QStringLiteral("select 1 as found from pg_database where datname = '")
                                        + sqlQuoted(name) + QStringLiteral("'"));
        if (found.eof()) {
            QString quotedName = name;
            quotedName.replace(u'"', QLatin1String("\"\""));
            // UTF-8 for the Chinese texts, and the "C" locale, which sorts text
            // by code point as SQLite does and goes with any server setup.
            server->execute(QStringLiteral("CREATE DATABASE \"") + quotedName
                            + QStringLiteral("\" TEMPLATE template0 ENCODING 'UTF8' LC_COLLATE 'C' LC_CTYPE 'C'"));
        }
    }
    return withSchema(Connection::open(url));
}

// A PostgreSQL server behind ODBC: the data source names a database that
// exists already; it gets the schema when it has no tables yet.
std::unique_ptr<Connection> createOdbcDatabase(const QString &url)
{
    std::unique_ptr<Connection> connection = Connection::open(url);
    if (connection->backend() != Backend::Postgres)
        throw Failure(QStringLiteral("Cannot create the database %1").arg(connection->connectionText()),
                      QStringLiteral("through ODBC, accounting databases are made on PostgreSQL only (odbc:…?dialect=postgresql)"));
    return withSchema(std::move(connection));
}

} // namespace

std::unique_ptr<Connection> createAccountingDatabase(const QString &url)
{
    if (url.startsWith(QLatin1String("sqlite:"), Qt::CaseInsensitive))
        return createSqliteDatabase(url);
    if (url.startsWith(QLatin1String("postgresql:"), Qt::CaseInsensitive)
        || url.startsWith(QLatin1String("postgres:"), Qt::CaseInsensitive))
        return createPostgresDatabase(url);
    if (url.startsWith(QLatin1String("odbc:"), Qt::CaseInsensitive))
        return createOdbcDatabase(url);
    throw Failure(QStringLiteral("Cannot create the database %1").arg(url),
                  QStringLiteral("new accounting databases are made on SQLite (sqlite:PATH) or PostgreSQL (postgresql://… or odbc:…?dialect=postgresql)"));
}

} // namespace qxmxz::db

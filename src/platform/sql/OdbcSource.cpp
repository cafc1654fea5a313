#include "OdbcSource.h"

#include "platform/Failure.h"

namespace qxmxz {

namespace {

Backend dialectNamed(const QString &name, const QString &url)
{
    const QString n = name.trimmed().toLower();
    if (n == QLatin1String("postgresql") || n == QLatin1String("postgres"))
        return Backend::Postgres;
    if (n == QLatin1String("sqlserver") || n == QLatin1String("mssql"))
        return Backend::Odbc;
    throw Failure(QStringLiteral("Cannot open the database %1").arg(url),
                  QStringLiteral("the dialect of an ODBC source is postgresql or sqlserver, not %1").arg(name));
}

} // namespace

OdbcSource odbcSource(const QString &url)
{
    OdbcSource source;
    QString rest = url.mid(int(qstrlen("odbc:")));
    // Only a trailing "?dialect=…" is ours; any other "?" belongs to the
    // connection string (a password may hold one).
    const qsizetype mark = rest.lastIndexOf(u'?');
    if (mark >= 0) {
        const QString option = rest.mid(mark + 1);
        const QLatin1String key("dialect=");
        if (option.startsWith(key, Qt::CaseInsensitive)) {
            source.dialect = dialectNamed(option.mid(key.size()), url);
            rest.truncate(mark);
        }
    }
    source.connectionText = rest.trimmed();
    if (source.connectionText.isEmpty())
        throw Failure(QStringLiteral("Cannot open the database %1").arg(url),
                      QStringLiteral("the URL names no ODBC data source"));
    return source;
}

} // namespace qxmxz

#include "TableLoader.h"

#include <QDate>
#include <QHash>
#include <QSqlError>

#include "platform/Failure.h"
#include "platform/sql/Connection.h"
#include "platform/sql/SqlText.h"
#include "platform/values/Currency.h"
#include "platform/values/VariantKinds.h"

namespace qxmxz::db {

namespace {

constexpr int RowsPerStatement = 1000;

// A value as an element of a PostgreSQL array literal.
QString arrayElement(const QVariant &value)
{
    if (value.isNull())
        return QStringLiteral("NULL");
    if (value.metaType() == QMetaType::fromType<Currency>())
        return value.value<Currency>().toFixedText();
    if (holdsWholeNumber(value))
        return QString::number(value.toLongLong());
    switch (value.metaType().id()) {
    case QMetaType::Double:
        return QString::number(value.toDouble(), 'g', 17);
    case QMetaType::QDate:
        return value.toDate().toString(Qt::ISODate);
    default: {
        QString text = value.toString();
        text.replace(u'\\', QLatin1String("\\\\"));
        text.replace(u'"', QLatin1String("\\\""));
        return u'"' + text + u'"';
    }
    }
}

// Money as the database keeps it; dates as ISO text.
QVariant sqliteValue(const QVariant &value, MoneyEncoding money)
{
    if (value.isNull())
        return value;
    if (value.metaType() == QMetaType::fromType<Currency>())
        return encodeMoney(value.value<Currency>(), money);
    if (value.metaType().id() == QMetaType::QDate)
        return QVariant(value.toDate().toString(Qt::ISODate));
    return value;
}

} // namespace

TableLoader::TableLoader(Connection &connection, QString table, QStringList columns)
    : m_connection(connection), m_table(std::move(table)), m_columns(std::move(columns)),
      m_sqlite(connection.backend() == Backend::Sqlite)
{
    if (connection.backend() != Backend::Sqlite && connection.backend() != Backend::Postgres)
        throw Failure(QStringLiteral("Cannot load rows into %1").arg(m_table),
                      QStringLiteral("companies are written on SQLite and PostgreSQL only"));
    if (m_sqlite) {
        QStringList marks;
        for (qsizetype i = 0; i < m_columns.size(); ++i)
            marks << QStringLiteral("?");
        m_insert = QSqlQuery(connection.database());
        const QString sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                .arg(m_table, m_columns.join(u','), marks.join(u','));
        if (!m_insert.prepare(sql))
            throw Failure(QStringLiteral("Cannot prepare the loading of %1").arg(m_table), m_insert.lastError().text());
    } else {
        RecordSet types = connection.query(
            QStringLiteral("select column_name, data_type from information_schema.columns "
                           "where table_schema = current_schema() and table_name = '%1'")
                .arg(sqlQuoted(m_table.toLower())));
        QHash<QString, QString> typeOf;
        for (; !types.eof(); types.moveNext())
            typeOf.insert(types.text(QStringLiteral("column_name")).toLower(), types.text(QStringLiteral("data_type")));
        for (const QString &column : std::as_const(m_columns)) {
            const QString type = typeOf.value(column.toLower());
            if (type.isEmpty())
                throw Failure(QStringLiteral("The table %1 has no column %2").arg(m_table, column));
            m_columnTypes << type;
        }
        m_arrays.resize(m_columns.size());
    }
}

TableLoader::~TableLoader()
{
    try {
        finish();
    } catch (const Failure &) {
        // Reported only by an explicit finish(); a destructor must not throw.
    }
}

void TableLoader::add(const QVector<QVariant> &row)
{
    if (row.size() != m_columns.size())
        throw Failure(QStringLiteral("A row for %1 has %2 values for %3 columns")
                          .arg(m_table).arg(row.size()).arg(m_columns.size()));
    if (m_sqlite)
        addToSqlite(row);
    else
        addToPostgres(row);
}

void TableLoader::addToSqlite(const QVector<QVariant> &row)
{
    for (int i = 0; i < row.size(); ++i)
        m_insert.bindValue(i, sqliteValue(row[i], m_connection.moneyEncoding()));
    if (!m_insert.exec())
        throw Failure(QStringLiteral("Cannot load a row into %1").arg(m_table), m_insert.lastError().text());
    ++m_rowsWritten;
}

void TableLoader::addToPostgres(const QVector<QVariant> &row)
{
    for (int i = 0; i < row.size(); ++i) {
        QString &array = m_arrays[i];
        array += m_pendingRows == 0 ? u'{' : u',';
        array += arrayElement(row[i]);
    }
    if (++m_pendingRows >= RowsPerStatement)
        flushPostgres();
}

void TableLoader::flushPostgres()
{
    if (m_pendingRows == 0)
        return;
    QString sql = QStringLiteral("INSERT INTO %1 (%2) SELECT * FROM unnest(").arg(m_table, m_columns.join(u','));
    for (int i = 0; i < m_arrays.size(); ++i) {
        if (i > 0)
            sql += u',';
        sql += u'\'' + sqlQuoted(m_arrays[i]) + QStringLiteral("}'::") + m_columnTypes[i] + QStringLiteral("[]");
        m_arrays[i].clear();
    }
    sql += u')';
    const int rows = m_pendingRows;
    m_pendingRows = 0;
    QSqlQuery query(m_connection.database());
    if (!query.exec(sql))
        throw Failure(QStringLiteral("Cannot load rows into %1").arg(m_table), query.lastError().text());
    m_rowsWritten += rows;
}

void TableLoader::finish()
{
    if (!m_sqlite)
        flushPostgres();
}

} // namespace qxmxz::db

#include "PreparedQueries.h"

#include <QSqlError>
#include <QSqlRecord>

#include "SqliteStatement.h"
#include "platform/Failure.h"

namespace qxmxz {

namespace {

// Enough for every query shape of a session; the queries built for one
// ledger run are a handful.
constexpr qsizetype MaxShapes = 256;

} // namespace

PreparedQueries::Entry &PreparedQueries::entryFor(const SqlDialect &dialect, const QString &shape)
{
    auto found = m_entries.find(shape);
    if (found != m_entries.end())
        return *found;
    if (m_entries.size() >= MaxShapes)
        m_entries.clear();
    Entry entry;
    const SqlAction action = dialect.translate(shape);
    entry.plain = action.kind == SqlAction::Kind::Statement;
    entry.text = action.text;
    return *m_entries.insert(shape, std::move(entry));
}

std::optional<RecordSet> PreparedQueries::run(const QSqlDatabase &db, const SqlDialect &dialect,
                                              const ParameterizedQuery &query, const QString &original)
{
    Entry &entry = entryFor(dialect, query.text);
    if (!entry.plain)
        return std::nullopt;
    if (dialect.backend() == Backend::Sqlite)
        return runOnSqlite(db, entry, query, original);
    return runPrepared(db, entry, query, original);
}

RecordSet PreparedQueries::runOnSqlite(const QSqlDatabase &db, Entry &entry, const ParameterizedQuery &query,
                                       const QString &original)
{
    try {
        if (!entry.sqlite)
            entry.sqlite = std::make_shared<SqliteStatement>(db, entry.text);
        SqliteStatement &statement = *entry.sqlite;
        for (int i = 0; i < query.values.size(); ++i)
            statement.bind(i + 1, query.values[i]);
        QStringList columns;
        for (int i = 0; i < statement.columnCount(); ++i)
            columns << statement.columnName(i);
        QList<QVector<QVariant>> rows;
        QVector<QVariant> row(columns.size());
        try {
            while (statement.step()) {
                for (int i = 0; i < row.size(); ++i)
                    row[i] = statement.column(i);
                rows.append(row);
            }
        } catch (...) {
            statement.reset();
            throw;
        }
        statement.reset();
        return RecordSet(columns, rows, original);
    } catch (const Failure &failure) {
        entry.sqlite.reset();
        throw Failure(QStringLiteral("The database refused a statement"), failure.detail());
    }
}

RecordSet PreparedQueries::runPrepared(const QSqlDatabase &db, Entry &entry, const ParameterizedQuery &query,
                                       const QString &original)
{
    if (!entry.prepared) {
        auto prepared = std::make_shared<QSqlQuery>(db);
        prepared->setForwardOnly(true);
        if (!prepared->prepare(entry.text))
            throw Failure(QStringLiteral("The database refused a statement"),
                          prepared->lastError().text().trimmed() + QStringLiteral(" — ") + original.simplified());
        entry.prepared = std::move(prepared);
    }
    QSqlQuery &prepared = *entry.prepared;
    for (int i = 0; i < query.values.size(); ++i)
        prepared.bindValue(i, query.values[i]);
    if (!prepared.exec()) {
        const QString reason = prepared.lastError().text().trimmed();
        entry.prepared.reset();
        throw Failure(QStringLiteral("The database refused a statement"), reason + QStringLiteral(" — ") + original.simplified());
    }
    const QSqlRecord record = prepared.record();
    QStringList columns;
    for (int i = 0; i < record.count(); ++i)
        columns << record.fieldName(i);
    QList<QVector<QVariant>> rows;
    QVector<QVariant> row(columns.size());
    while (prepared.next()) {
        for (int i = 0; i < row.size(); ++i)
            row[i] = prepared.value(i);
        rows.append(row);
    }
    const QSqlError error = prepared.lastError();
    prepared.finish();
    if (error.isValid())
        throw Failure(QStringLiteral("Reading the result of a query failed"),
                      error.text().trimmed() + QStringLiteral(" — ") + original.simplified());
    return RecordSet(columns, rows, original);
}

} // namespace qxmxz

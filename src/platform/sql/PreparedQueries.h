#pragma once

#include <QHash>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <memory>
#include <optional>

#include "ComparedLiterals.h"
#include "RecordSet.h"
#include "SqlDialect.h"

namespace qxmxz {

class SqliteStatement;

// The prepared statements of one connection, one for each query shape
// (a query with its compared literals taken out), reused with new values.
// A ledger that asks one query per voucher thus has it translated, parsed
// and planned once instead of tens of thousands of times.
class PreparedQueries {
public:
    // The whole result of the query, or nothing when its shape does not
    // translate into a plain statement (the caller then runs the original
    // text the ordinary way). Throws a Failure naming `original` when the
    // database refuses the statement.
    std::optional<RecordSet> run(const QSqlDatabase &db, const SqlDialect &dialect, const ParameterizedQuery &query,
                                 const QString &original);
    void clear() { m_entries.clear(); }

private:
    struct Entry {
        bool plain = false;
        QString text; // as translated for the backend
        std::shared_ptr<SqliteStatement> sqlite;
        std::shared_ptr<QSqlQuery> prepared;
    };
    Entry &entryFor(const SqlDialect &dialect, const QString &shape);
    RecordSet runOnSqlite(const QSqlDatabase &db, Entry &entry, const ParameterizedQuery &query, const QString &original);
    RecordSet runPrepared(const QSqlDatabase &db, Entry &entry, const ParameterizedQuery &query, const QString &original);

    QHash<QString, Entry> m_entries;
};

} // namespace qxmxz

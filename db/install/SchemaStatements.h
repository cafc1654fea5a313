#pragma once

#include <QString>
#include <QStringList>

namespace qxmxz::db {

// The statements of a DDL script: each ends with ";" at the end of a line;
// whole-line "--" comments and blank lines are dropped.
QStringList splitSchemaScript(const QString &script);

// The accounting schema compiled into the program (db/schema/accounting.sql).
QString accountingSchemaScript();

// The "CREATE INDEX name ON table …" statements of the accounting schema for
// one table, with the index names they give.
struct IndexStatement {
    QString name;
    QString statement;
};
QList<IndexStatement> accountingIndexes(const QString &table);

} // namespace qxmxz::db

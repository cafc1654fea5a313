#pragma once

#include <QStringList>

#include "SqlDialect.h"

namespace qxmxz {

// SQLite lacks a few forms the component writes: national literals, SELECT …
// INTO, parenthesised compound members, SET NOCOUNT and procedure calls. This
// dialect rewrites just those, and keeps its planner off the period indexes
// where a statement names accounts by a code prefix; everything else, the
// working-table DDL included, runs as written.
class SqliteDialect : public SqlDialect {
public:
    explicit SqliteDialect(QStringList procedureNames);

    Backend backend() const override { return Backend::Sqlite; }
    SqlAction translate(const QString &sql) const override;
    QString indexName(const QString &table, const QString &index) const override;

private:
    QStringList m_procedureNames;
};

} // namespace qxmxz

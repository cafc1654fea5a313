#pragma once

#include <QStringList>

#include "SqlDialect.h"

namespace qxmxz {

// PostgreSQL accepts N'…', SELECT … INTO and parenthesised UNION members as
// written. Only SET NOCOUNT (meaningless there), procedure calls (run as
// set-returning functions by the connection) and index names (unique per
// schema) need attention.
class PostgresDialect : public SqlDialect {
public:
    explicit PostgresDialect(QStringList procedureNames);

    Backend backend() const override { return Backend::Postgres; }
    SqlAction translate(const QString &sql) const override;
    QString indexName(const QString &table, const QString &index) const override;

private:
    QStringList m_procedureNames;
};

} // namespace qxmxz

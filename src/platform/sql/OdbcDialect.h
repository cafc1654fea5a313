#pragma once

#include <QStringList>

#include "SqlDialect.h"

namespace qxmxz {

// A SQL Server site runs the component's SQL as written. Procedure calls are
// still reported as such, so that the connection binds their arguments.
class OdbcDialect : public SqlDialect {
public:
    explicit OdbcDialect(QStringList procedureNames);

    Backend backend() const override { return Backend::Odbc; }
    SqlAction translate(const QString &sql) const override;
    QString indexName(const QString &table, const QString &index) const override;

private:
    QStringList m_procedureNames;
};

} // namespace qxmxz

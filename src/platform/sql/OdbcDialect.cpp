#include "OdbcDialect.h"

#include "SqlStatementShapes.h"

namespace qxmxz {

OdbcDialect::OdbcDialect(QStringList procedureNames)
    : m_procedureNames(std::move(procedureNames))
{
}

SqlAction OdbcDialect::translate(const QString &sql) const
{
    if (std::optional<SqlAction> call = procedureCall(tokenizeSql(sql), m_procedureNames))
        return *call;
    return {SqlAction::Kind::Statement, sql, {}};
}

QString OdbcDialect::indexName(const QString &, const QString &index) const
{
    // SQL Server names an index per table already.
    return index;
}

} // namespace qxmxz

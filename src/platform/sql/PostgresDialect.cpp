#include "PostgresDialect.h"

#include "SqlStatementShapes.h"

namespace qxmxz {

PostgresDialect::PostgresDialect(QStringList procedureNames)
    : m_procedureNames(std::move(procedureNames))
{
}

SqlAction PostgresDialect::translate(const QString &sql) const
{
    QList<SqlToken> tokens = tokenizeSql(sql);
    if (isSetNocount(tokens))
        return {SqlAction::Kind::Nothing, {}, {}};
    if (std::optional<SqlAction> call = procedureCall(tokens, m_procedureNames))
        return *call;
    renameCreatedIndex(tokens, *this);
    isoDateLiterals(tokens);
    return {SqlAction::Kind::Statement, joinTokens(tokens), {}};
}

QString PostgresDialect::indexName(const QString &table, const QString &index) const
{
    return table + u'_' + index;
}

} // namespace qxmxz

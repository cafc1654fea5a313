#include "SchemaStatements.h"

#include <QFile>
#include <QRegularExpression>

#include "platform/Failure.h"

namespace qxmxz::db {

QStringList splitSchemaScript(const QString &script)
{
    QStringList statements;
    QStringList pending;
    for (const QString &line : script.split(u'\n')) {
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(QLatin1String("--")))
            continue;
        pending << line;
        if (trimmed.endsWith(u';')) {
            QString statement = pending.join(u'\n').trimmed();
            statement.chop(1);
            statements << statement.trimmed();
            pending.clear();
        }
    }
    if (!pending.isEmpty())
        statements << pending.join(u'\n').trimmed();
    return statements;
}

QString accountingSchemaScript()
{
    QFile file(QStringLiteral(":/db/schema/accounting.sql"));
    if (!file.open(QIODevice::ReadOnly))
        throw Failure(QStringLiteral("The accounting schema is missing from the program"), file.fileName());
    return QString::fromUtf8(file.readAll());
}

QList<IndexStatement> accountingIndexes(const QString &table)
{
    static const QRegularExpression createIndex(QStringLiteral(R"(^CREATE\s+INDEX\s+(\w+)\s+ON\s+(\w+))"),
                                                QRegularExpression::CaseInsensitiveOption);
    QList<IndexStatement> indexes;
    for (const QString &statement : splitSchemaScript(accountingSchemaScript())) {
        const auto match = createIndex.match(statement);
        if (match.hasMatch() && match.captured(2).compare(table, Qt::CaseInsensitive) == 0)
            indexes.append({match.captured(1), statement});
    }
    return indexes;
}

} // namespace qxmxz::db

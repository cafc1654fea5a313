#include "ProcedureCatalog.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include "platform/Failure.h"

namespace qxmxz {

int ProcedureDefinition::parameterIndex(const QString &parameterName) const
{
    for (int i = 0; i < parameters.size(); ++i)
        if (parameters[i].name.compare(parameterName, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

static QList<ProcedureDefinition::Column> parseColumns(const QString &fileName, const QString &list)
{
    QList<ProcedureDefinition::Column> columns;
    for (const QString &item : list.split(u',', Qt::SkipEmptyParts)) {
        const QStringList words = item.simplified().split(u' ');
        if (words.size() != 2)
            throw Failure(QStringLiteral("Malformed column \"%1\" in the procedure file %2").arg(item.trimmed(), fileName));
        columns.append({words[0], words[1].toLower()});
    }
    return columns;
}

ProcedureDefinition ProcedureCatalog::parse(const QString &fileName, const QString &text)
{
    static const QRegularExpression header(QStringLiteral(R"(^--\s*(procedure|parameters|returns)\s*:(.*)$)"),
                                           QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression backendPart(QStringLiteral(R"(^--\s*on\s+(sqlite|postgresql)\s*:\s*$)"),
                                                QRegularExpression::CaseInsensitiveOption);
    ProcedureDefinition definition;
    QStringList body, sqlitePart, postgresPart;
    QStringList *part = &body;
    bool sawReturns = false;
    for (const QString &line : text.split(u'\n')) {
        const auto m = header.match(line.trimmed());
        if (m.hasMatch() && body.isEmpty()) {
            const QString what = m.captured(1).toLower();
            if (what == u"procedure")
                definition.name = m.captured(2).trimmed();
            else if (what == u"parameters")
                definition.parameters = parseColumns(fileName, m.captured(2));
            else {
                definition.results = parseColumns(fileName, m.captured(2));
                sawReturns = true;
            }
            continue;
        }
        if (!sawReturns)
            continue; // comments above the header
        if (const auto p = backendPart.match(line.trimmed()); p.hasMatch()) {
            part = p.captured(1).compare(u"sqlite", Qt::CaseInsensitive) == 0 ? &sqlitePart : &postgresPart;
            continue;
        }
        *part << line;
    }
    const auto joined = [&body](const QStringList &own) {
        QString text = (body + own).join(u'\n').trimmed();
        while (text.endsWith(u';'))
            text.chop(1);
        return text;
    };
    definition.body = joined(sqlitePart);
    definition.postgresBody = joined(postgresPart);
    if (definition.name.isEmpty() || !sawReturns || definition.body.isEmpty())
        throw Failure(QStringLiteral("The procedure file %1 lacks its procedure, parameters or returns line, or its body").arg(fileName));
    return definition;
}

const QList<ProcedureDefinition> &ProcedureCatalog::all()
{
    static const QList<ProcedureDefinition> procedures = [] {
        QList<ProcedureDefinition> list;
        QDir dir(QStringLiteral(":/db/procedures"));
        for (const QString &entry : dir.entryList({QStringLiteral("*.sql")}, QDir::Files, QDir::Name)) {
            QFile file(dir.filePath(entry));
            if (!file.open(QIODevice::ReadOnly))
                throw Failure(QStringLiteral("Cannot read the procedure file %1").arg(entry));
            list.append(parse(entry, QString::fromUtf8(file.readAll())));
        }
        return list;
    }();
    return procedures;
}

const ProcedureDefinition *ProcedureCatalog::find(const QString &name)
{
    for (const auto &p : all())
        if (p.name.compare(name, Qt::CaseInsensitive) == 0)
            return &p;
    return nullptr;
}

QStringList ProcedureCatalog::names()
{
    QStringList list;
    for (const auto &p : all())
        list << p.name;
    return list;
}

} // namespace qxmxz

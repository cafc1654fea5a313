#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace qxmxz {

// A database procedure of the accounting database. Its one SQL body lives in
// db/procedures/<name>.sql, compiled into the program as a resource. The file
// starts with three header lines, then the body, which names its parameters
// as :Name:
//
//   -- procedure: GL_glCode
//   -- parameters: KmCode text, iPeriod integer, …
//   -- returns: iPeriod integer, cexch_name text, …
//
// PostgreSQL receives it as a set-returning SQL function; the SQLite backend
// runs the body itself with the parameters bound.
//
// Where the two planners want the end of a body written differently, a line
// "-- on sqlite:" or "-- on postgresql:" starts the part of that backend
// alone; what comes before the first such line is shared.
struct ProcedureDefinition {
    struct Column {
        QString name;
        QString type; // text, integer, money, quantity, date
    };
    QString name;
    QList<Column> parameters;
    QList<Column> results;
    QString body;         // the SQLite backend's
    QString postgresBody; // the PostgreSQL function's

    int parameterIndex(const QString &parameterName) const; // case-insensitive, -1 when unknown
};

class ProcedureCatalog {
public:
    static const QList<ProcedureDefinition> &all();
    static const ProcedureDefinition *find(const QString &name); // case-insensitive
    static QStringList names();
    // Parses one procedure file; throws a Failure naming the file when its header is malformed.
    static ProcedureDefinition parse(const QString &fileName, const QString &text);
};

} // namespace qxmxz

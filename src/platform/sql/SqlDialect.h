#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>

namespace qxmxz {

enum class Backend { Sqlite, Postgres, Odbc };

// What one statement written by the component becomes on a backend.
struct SqlAction {
    enum class Kind {
        Statement,     // send `text` to the driver
        ProcedureCall, // run the procedure `text` with positional `arguments`
        Nothing,       // the statement has no meaning on this backend (SET NOCOUNT …)
    };
    Kind kind = Kind::Statement;
    QString text;
    QVariantList arguments;

    bool operator==(const SqlAction &) const = default;
};

// The component writes its SQL once, in the form a database server of the
// accounting suite accepts (N'…' literals, SELECT … INTO, parenthesised UNION
// members, SET NOCOUNT, procedure calls by name). A dialect turns such a
// statement into what its backend runs. It works on tokens, so nothing inside
// a string literal, a quoted identifier or a comment is ever changed.
class SqlDialect {
public:
    virtual ~SqlDialect() = default;
    virtual Backend backend() const = 0;
    virtual SqlAction translate(const QString &sql) const = 0;
    // The name under which "CREATE INDEX <index> ON <table>" creates its index
    // on this backend (SQLite and PostgreSQL name indexes per schema, so the
    // table name is made part of it).
    virtual QString indexName(const QString &table, const QString &index) const = 0;
};

// `procedureNames`: the names a statement may call as "Name arg, arg, …".
std::unique_ptr<SqlDialect> makeDialect(Backend backend, QStringList procedureNames);

} // namespace qxmxz

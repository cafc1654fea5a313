#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QVariant>
#include <QVector>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace qxmxz {

// A prepared statement on the SQLite handle under a Qt connection. The
// working tables are written and read row by row while a ledger is shown;
// binding through the SQLite interface itself keeps that hot path short.
class SqliteStatement {
public:
    SqliteStatement(const QSqlDatabase &db, const QString &sql);
    ~SqliteStatement();
    SqliteStatement(const SqliteStatement &) = delete;
    SqliteStatement &operator=(const SqliteStatement &) = delete;

    // Binds values from 1 on: Null, integers and Booleans, doubles (money as
    // its decimal value), text. The value must stay alive until the
    // statement has been stepped: text is bound without a copy.
    void bind(int index, const QVariant &value);
    // Binds a named parameter (":KmCode"); a name the statement lacks is
    // ignored. The statement keeps its own copy of the value.
    void bind(const QString &name, const QVariant &value);
    // Runs to the next row; false when there is none. Throws a Failure on error.
    bool step();
    void reset();
    // Makes the statement ready to run again with its bindings as they are:
    // for a statement whose every parameter is bound again before each step.
    void rewind();
    // From now on a text whose characters lie where the bound ones lie, as
    // many, is not bound again after a rewind: SQLite reads bound text where
    // it lies when it steps. Only for a database that keeps its text in
    // UTF-16, where the characters bound are never converted into a copy.
    void skipUnchangedText();
    int columnCount() const;
    QString columnName(int index) const;
    QVariant column(int index) const;
    qint64 lastInsertRowId() const;

private:
    int bindOther(int index, const QVariant &value, int type);

    sqlite3 *m_db = nullptr;
    sqlite3_stmt *m_statement = nullptr;
    QString m_sql;
    QVariantList m_kept; // values bound by name, alive as long as the statement
    // With skipUnchangedText: by parameter, the characters bound last, or
    // none when that parameter holds no text bound in place.
    struct BoundText {
        const void *characters = nullptr;
        qsizetype size = -1;
    };
    bool m_skipsUnchangedText = false;
    std::vector<BoundText> m_boundText;
};

} // namespace qxmxz

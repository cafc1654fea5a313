#pragma once

#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

namespace qxmxz {
class Connection;
}

namespace qxmxz::db {

// Appends many rows to one table as fast as the backend allows: on SQLite
// one prepared INSERT run per row; on PostgreSQL one INSERT per thousand
// rows, which hands each column over as one array literal
// (INSERT … SELECT * FROM unnest('{…}'::numeric[], …)): the server reads an
// array far faster than it analyses the same values as a VALUES list. The
// caller owns the transaction.
//
// Values: a null QVariant, QString, integers, double, qxmxz::Currency
// (written exactly, as decimal text on PostgreSQL) and QDate (written as
// 'YYYY-MM-DD').
class TableLoader {
public:
    TableLoader(Connection &connection, QString table, QStringList columns);
    ~TableLoader();
    TableLoader(const TableLoader &) = delete;
    TableLoader &operator=(const TableLoader &) = delete;

    void add(const QVector<QVariant> &row);
    // Writes what is still pending; called by the destructor too, but a
    // failure is only reported when it is called explicitly.
    void finish();

    qint64 rowsWritten() const { return m_rowsWritten; }

private:
    void addToSqlite(const QVector<QVariant> &row);
    void addToPostgres(const QVector<QVariant> &row);
    void flushPostgres();

    Connection &m_connection;
    QString m_table;
    QStringList m_columns;
    bool m_sqlite;
    QSqlQuery m_insert;
    QStringList m_columnTypes;   // PostgreSQL: the type of each column
    QVector<QString> m_arrays;   // PostgreSQL: the elements of each column so far
    int m_pendingRows = 0;
    qint64 m_rowsWritten = 0;
};

} // namespace qxmxz::db

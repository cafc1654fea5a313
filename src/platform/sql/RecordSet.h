#pragma once

#include <QHash>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>
#include <memory>
#include <optional>

#include "RowStore.h"
#include "platform/values/MoneyEncoding.h"

namespace qxmxz {

// The result of a query on the accounting database, navigated like a record
// set of the platform the component was designed for: an end flag, fields by
// name (case-insensitive) or position, record count, move first / next / last
// and `find` of the first row matching a simple condition.
//
// A Static record set holds all rows (compactly) and can move anywhere; a
// Forward record set streams rows from the server and only moves on, for
// results too large to hold (its record count is -1, as such cursors report).
class RecordSet {
public:
    enum class Cursor { Static, Forward };

    RecordSet() = default;
    // Takes an executed query; `sqlForErrors` names the statement in failures.
    // `lease` keeps whatever the query needs (a streaming connection) until the
    // record set is closed.
    RecordSet(QSqlQuery &&query, Cursor cursor, QString sqlForErrors, std::shared_ptr<void> lease = {});
    // A forward-only record set streaming from an SQLite statement that is
    // ready to step.
    RecordSet(std::shared_ptr<class SqliteStatement> statement, QString sqlForErrors);
    // A record set made of given rows (for procedure results assembled in code and for tests).
    RecordSet(QStringList columns, const QList<QVector<QVariant>> &rows, QString sqlForErrors = {});

    bool isOpen() const { return m_open; }
    void close();

    bool eof() const;
    bool bof() const;
    bool isEmpty() const { return eof() && bof(); }
    int recordCount() const;
    qsizetype position() const { return m_position; }

    void moveFirst();
    void moveNext();
    void movePrevious();
    void moveLast();
    void move(qsizetype rows);

    int fieldCount() const { return int(m_columns.size()); }
    QString fieldName(int index) const { return m_columns.value(index); }
    int fieldIndex(const QString &name) const; // -1 when the column does not exist
    // The positions of the named columns, for rows read many times over;
    // a Failure names the first column the result lacks.
    QList<int> fieldPositions(const QStringList &names) const;
    bool hasField(const QString &name) const { return fieldIndex(name) >= 0; }
    QVariant field(int index) const;
    // Throws a Failure naming the column when the result has no such column.
    QVariant field(const QString &name) const;
    bool isNull(const QString &name) const;
    QString text(const QString &name) const { return field(name).toString(); }
    // A money column (or an expression over money columns) as the amount it
    // stands for, read the way the database that made the result keeps money.
    Currency money(int index) const { return decodeMoney(field(index), m_money); }
    Currency money(const QString &name) const { return decodeMoney(field(name), m_money); }
    MoneyEncoding moneyEncoding() const { return m_money; }
    void setMoneyEncoding(MoneyEncoding encoding) { m_money = encoding; }

    // Moves to the first row (from the top) that matches a condition of the
    // form "col = 'text' and col2=3" (operators = <> < > <= >=, terms joined
    // by "and"); returns false and stands at the end when none matches.
    // Equality-only conditions are answered from a hash index built on first use.
    bool find(const QString &condition);

private:
    struct Term;
    void loadCurrent() const;
    bool matches(const QList<Term> &terms) const;
    void requireOpen() const;

    bool m_open = false;
    MoneyEncoding m_money = MoneyEncoding::Decimal;
    Cursor m_cursor = Cursor::Static;
    QString m_sql;
    QStringList m_columns;
    QHash<QString, int> m_columnIndex; // lower-case name → position
    std::shared_ptr<void> m_lease;      // released after the query (declared first, destroyed last)
    std::shared_ptr<QSqlQuery> m_query; // Forward only
    std::shared_ptr<class SqliteStatement> m_statement; // Forward only, SQLite
    bool m_forwardAtEnd = false;
    RowStore m_rows; // Static only
    qsizetype m_position = 0; // Static: current row; may be -1 (bof) or rowCount (eof)
    mutable QVector<QVariant> m_current;
    mutable qsizetype m_currentLoaded = -2;
    QHash<QString, std::shared_ptr<QHash<QString, qsizetype>>> m_findIndexes;
};

} // namespace qxmxz

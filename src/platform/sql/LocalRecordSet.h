#pragma once

#include "platform/values/MoneyEncoding.h"

#include <QHash>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>
#include <deque>
#include <memory>

#include "RowStore.h"
#include "SqliteStatement.h"

namespace qxmxz {

class LocalDatabase;

// Common part of the local record sets: a current row read by name or
// position, and the add-new / edit → set fields → update cycle.
class LocalRecordSet {
public:
    virtual ~LocalRecordSet() = default;

    bool isOpen() const { return m_open; }
    virtual void close();

    int fieldCount() const { return int(m_columns.size()); }
    QString fieldName(int index) const { return m_columns.value(index); }
    int fieldIndex(const QString &name) const;
    // The positions of the named fields, found once so that a writer of many
    // rows sets them by position; a Failure names a field the set lacks.
    QList<int> fieldPositions(const QStringList &names) const;
    QVariant field(int index) const;
    QVariant field(const QString &name) const;
    // Every field of the current row in column order (of the row being added
    // or changed while it is): for a reader of whole rows.
    const QVector<QVariant> &rowValues() const;
    // A Currency column: the working database keeps money in ten-thousandths.
    Currency money(int index) const { return decodeMoney(field(index), MoneyEncoding::TenThousandths); }
    Currency money(const QString &name) const { return decodeMoney(field(name), MoneyEncoding::TenThousandths); }

    // Starts a new row: every field Null until set.
    void addNew();
    // Starts changing the current row.
    void edit();
    void setField(int index, const QVariant &value);
    // The same, taking the value over: for a writer of many rows of new values.
    void setField(int index, QVariant &&value);
    void setField(const QString &name, const QVariant &value);
    // Writes the pending new or changed row. After AddNew the current row is
    // unchanged, as on the platform this follows.
    void update();
    bool editing() const { return m_editMode != EditMode::None; }
    // Writes `first`, `first` + 1, … into the column of every row added from
    // now on, as it is written (a fresh table appended to in order numbers
    // its rows as their row ids, without a pass over the table afterwards).
    void numberAddedRows(const QString &column, qint64 first);

protected:
    enum class EditMode { None, Adding, Editing };
    LocalRecordSet(LocalDatabase &db, QString table, QString source);
    virtual bool hasCurrent() const = 0;
    virtual const QVector<QVariant> &currentValues() const = 0;
    virtual qint64 currentRowId() const = 0;
    virtual void afterUpdate(qint64 rowId, bool added, const QVector<QVariant> &values) = 0;
    void setColumns(QStringList columns);
    QSqlDatabase database() const;

    LocalDatabase *m_db;
    QString m_table; // empty for a read-only SELECT
    QString m_source;
    QStringList m_columns;
    QHash<QString, int> m_columnIndex;
    bool m_open = true;

private:
    void checkSettable(int index) const;

    EditMode m_editMode = EditMode::None;
    QVector<QVariant> m_pending;
    QVector<bool> m_changed;
    std::shared_ptr<SqliteStatement> m_insert;
    int m_numberColumn = -1;
    qint64 m_nextNumber = 0;
};

// A dynaset over a table or a SELECT. Over a table it reads the rows in the
// order they were added and sees rows appended while it is open; moving on
// reads ahead in blocks, so a page step never re-reads the table from its top.
class DynasetRecordSet : public LocalRecordSet {
public:
    DynasetRecordSet(LocalDatabase &db, const QString &tableOrSelect);

    bool eof() const;
    bool bof() const { return m_position < 0; }
    int recordCount() const;
    void moveFirst() { m_position = 0; }
    void moveNext() { ++m_position; }
    void movePrevious() { --m_position; }
    void moveLast() { m_position = recordCount() - 1; }
    void move(qsizetype rows) { m_position += rows; }
    qsizetype position() const { return m_position; }

protected:
    bool hasCurrent() const override;
    const QVector<QVariant> &currentValues() const override;
    qint64 currentRowId() const override;
    void afterUpdate(qint64 rowId, bool added, const QVector<QVariant> &values) override;

private:
    void loadWindow(qsizetype position) const;
    bool readFromTail(qsizetype position) const;

    bool m_isTable = false;
    qsizetype m_position = 0;
    mutable qint64 m_rowCount = -1; // table: known count, refreshed lazily
    // Table mode: a window of rows read ahead, rowid order.
    mutable qsizetype m_windowStart = 0;
    mutable QVector<qint64> m_windowRowIds;
    mutable RowStore m_window;
    // Select mode: all rows.
    RowStore m_rows;
    mutable QVector<QVariant> m_current;
    mutable qsizetype m_currentLoaded = -1;
    // Table mode: the rows added since the reader last caught up, so that a
    // page shown right after it was written is read from memory.
    mutable std::deque<QVector<QVariant>> m_tail; // shares the strings of the rows written
    mutable QVector<qint64> m_tailRowIds;
    mutable qsizetype m_tailStart = -1;
};

// A table record set with a current index, positioned by Seek.
class TableRecordSet : public LocalRecordSet {
public:
    TableRecordSet(LocalDatabase &db, const QString &table);

    // Selects one of the indexes created on the table, by the name its
    // CREATE INDEX statement gave. Throws when the table has no such index.
    void setIndex(const QString &indexName);
    // Seek "=" on the current index; `keys` in index column order. Returns
    // whether a row was found (the platform's NoMatch is its negation).
    bool seek(const QVariantList &keys);
    bool noMatch() const { return !m_found; }

protected:
    bool hasCurrent() const override { return m_found; }
    const QVector<QVariant> &currentValues() const override { return m_current; }
    qint64 currentRowId() const override { return m_rowId; }
    void afterUpdate(qint64 rowId, bool added, const QVector<QVariant> &values) override;

private:
    QStringList m_indexColumns;
    std::shared_ptr<QSqlQuery> m_seek;
    bool m_found = false;
    qint64 m_rowId = -1;
    QVector<QVariant> m_current;
};

} // namespace qxmxz

#include "LocalRecordSet.h"

#include <QSqlError>
#include <QSqlRecord>

#include "LocalDatabase.h"
#include "platform/Failure.h"
#include "platform/values/MoneyEncoding.h"

namespace qxmxz {

namespace {

constexpr qsizetype WindowRows = 512;

// Money and Booleans are kept in the working tables as whole numbers.
bool needsConversion(const QVariant &value)
{
    const QMetaType type = value.metaType();
    return type == QMetaType::fromType<Currency>() || type.id() == QMetaType::Bool;
}

QVariant storable(const QVariant &value)
{
    if (value.metaType() == QMetaType::fromType<Currency>())
        return encodeMoney(value.value<Currency>(), MoneyEncoding::TenThousandths);
    if (value.metaType().id() == QMetaType::Bool)
        return value.toBool() ? 1 : 0;
    return value;
}

QString quotedIdentifier(const QString &name)
{
    QString q = name;
    q.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + q + QLatin1Char('"');
}

bool isSelect(const QString &source)
{
    const QString s = source.trimmed();
    return s.startsWith(QLatin1String("select"), Qt::CaseInsensitive)
           || s.startsWith(QLatin1String("("));
}

} // namespace

// ---------------------------------------------------------------- LocalRecordSet

LocalRecordSet::LocalRecordSet(LocalDatabase &db, QString table, QString source)
    : m_db(&db), m_table(std::move(table)), m_source(std::move(source))
{
    if (!m_table.isEmpty()) {
        QSqlQuery info(database());
        if (!info.exec(QStringLiteral("PRAGMA table_info(%1)").arg(quotedIdentifier(m_table))))
            throw Failure(QStringLiteral("Cannot read the working table %1").arg(m_table), info.lastError().text());
        QStringList columns;
        while (info.next())
            columns << info.value(1).toString();
        if (columns.isEmpty())
            throw Failure(QStringLiteral("The working table %1 does not exist").arg(m_table));
        setColumns(columns);
    }
}

QSqlDatabase LocalRecordSet::database() const
{
    return m_db->database();
}

void LocalRecordSet::setColumns(QStringList columns)
{
    m_columns = std::move(columns);
    m_columnIndex.clear();
    for (int i = 0; i < m_columns.size(); ++i) {
        m_columnIndex.insert(m_columns[i].toLower(), i);
        m_columnIndex.insert(m_columns[i], i); // names spelled as declared are found without folding
    }
}

void LocalRecordSet::close()
{
    m_open = false;
    m_insert.reset();
}

int LocalRecordSet::fieldIndex(const QString &name) const
{
    const auto exact = m_columnIndex.constFind(name);
    if (exact != m_columnIndex.constEnd())
        return exact.value();
    return m_columnIndex.value(name.toLower(), -1);
}

QList<int> LocalRecordSet::fieldPositions(const QStringList &names) const
{
    QList<int> positions;
    positions.reserve(names.size());
    for (const QString &name : names) {
        const int index = fieldIndex(name);
        if (index < 0)
            throw Failure(QStringLiteral("The working table %1 has no column %2").arg(m_source, name));
        positions << index;
    }
    return positions;
}

QVariant LocalRecordSet::field(int index) const
{
    if (index < 0 || index >= m_columns.size())
        throw Failure(QStringLiteral("The working table %1 has no column %2").arg(m_source).arg(index));
    return rowValues().value(index);
}

const QVector<QVariant> &LocalRecordSet::rowValues() const
{
    if (m_editMode != EditMode::None)
        return m_pending;
    if (!hasCurrent())
        throw Failure(QStringLiteral("No current record in %1").arg(m_source));
    return currentValues();
}

QVariant LocalRecordSet::field(const QString &name) const
{
    const int index = fieldIndex(name);
    if (index < 0)
        throw Failure(QStringLiteral("The working table %1 has no column %2").arg(m_source, name));
    return field(index);
}

void LocalRecordSet::addNew()
{
    if (m_table.isEmpty())
        throw Failure(QStringLiteral("Rows cannot be added to a query result"), m_source);
    // The row written last lives on in what the reader keeps of it: the new
    // row's values start afresh.
    m_pending = QVector<QVariant>(m_columns.size());
    m_changed.fill(false, m_columns.size());
    m_editMode = EditMode::Adding;
}

void LocalRecordSet::edit()
{
    if (m_table.isEmpty())
        throw Failure(QStringLiteral("A query result cannot be changed"), m_source);
    if (!hasCurrent())
        throw Failure(QStringLiteral("No current record to change in %1").arg(m_source));
    m_pending = currentValues();
    m_changed = QVector<bool>(m_columns.size(), false);
    m_editMode = EditMode::Editing;
}

void LocalRecordSet::checkSettable(int index) const
{
    if (m_editMode == EditMode::None)
        throw Failure(QStringLiteral("A field of %1 was set without AddNew or Edit").arg(m_source));
    if (index < 0 || index >= m_columns.size())
        throw Failure(QStringLiteral("The working table %1 has no column %2").arg(m_source).arg(index));
}

void LocalRecordSet::setField(int index, const QVariant &value)
{
    checkSettable(index);
    m_pending[index] = storable(value);
    m_changed[index] = true;
}

void LocalRecordSet::setField(int index, QVariant &&value)
{
    checkSettable(index);
    if (needsConversion(value))
        m_pending[index] = storable(value);
    else
        m_pending[index] = std::move(value);
    m_changed[index] = true;
}

void LocalRecordSet::setField(const QString &name, const QVariant &value)
{
    const int index = fieldIndex(name);
    if (index < 0)
        throw Failure(QStringLiteral("The working table %1 has no column %2").arg(m_source, name));
    setField(index, value);
}

void LocalRecordSet::numberAddedRows(const QString &column, qint64 first)
{
    m_numberColumn = fieldIndex(column);
    if (m_numberColumn < 0)
        throw Failure(QStringLiteral("The working table %1 has no column %2").arg(m_source, column));
    m_nextNumber = first;
}

void LocalRecordSet::update()
{
    if (m_editMode == EditMode::None)
        throw Failure(QStringLiteral("Update of %1 without AddNew or Edit").arg(m_source));
    if (m_editMode == EditMode::Adding) {
        if (!m_insert) {
            QStringList names, marks;
            for (const QString &c : m_columns) {
                names << quotedIdentifier(c);
                marks << QStringLiteral("?");
            }
            m_insert = std::make_shared<SqliteStatement>(
                database(), QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                .arg(quotedIdentifier(m_table), names.join(u','), marks.join(u',')));
            // The working database keeps its text in UTF-16; rows written one
            // after another share many of their texts (the code, its name,
            // the empty fields).
            m_insert->skipUnchangedText();
        }
        if (m_numberColumn >= 0)
            m_pending[m_numberColumn] = m_nextNumber++;
        for (int i = 0; i < m_pending.size(); ++i)
            m_insert->bind(i + 1, m_pending[i]);
        m_insert->step();
        const qint64 rowId = m_insert->lastInsertRowId();
        m_insert->rewind(); // the next row binds every column again, or keeps its very text
        m_editMode = EditMode::None;
        afterUpdate(rowId, true, m_pending);
        return;
    }
    QStringList sets;
    QVariantList values;
    for (int i = 0; i < m_columns.size(); ++i)
        if (m_changed[i]) {
            sets << quotedIdentifier(m_columns[i]) + QStringLiteral("=?");
            values << m_pending[i];
        }
    const qint64 rowId = currentRowId();
    if (!sets.isEmpty()) {
        QSqlQuery query(database());
        query.prepare(QStringLiteral("UPDATE %1 SET %2 WHERE rowid=?").arg(quotedIdentifier(m_table), sets.join(u',')));
        for (const QVariant &v : values)
            query.addBindValue(v);
        query.addBindValue(rowId);
        if (!query.exec())
            throw Failure(QStringLiteral("Cannot change a row of the working table %1").arg(m_table),
                          query.lastError().text());
    }
    m_editMode = EditMode::None;
    afterUpdate(rowId, false, m_pending);
}

// ---------------------------------------------------------------- DynasetRecordSet

DynasetRecordSet::DynasetRecordSet(LocalDatabase &db, const QString &tableOrSelect)
    : LocalRecordSet(db, isSelect(tableOrSelect) ? QString() : tableOrSelect.trimmed(), tableOrSelect),
      m_isTable(!isSelect(tableOrSelect))
{
    if (m_isTable)
        return;
    QSqlQuery query(database());
    query.setForwardOnly(true);
    if (!query.exec(m_db->dialect().translate(tableOrSelect).text))
        throw Failure(QStringLiteral("The working database refused a query"),
                      query.lastError().text() + QStringLiteral(" — ") + tableOrSelect);
    QStringList columns;
    const QSqlRecord record = query.record();
    for (int i = 0; i < record.count(); ++i)
        columns << record.fieldName(i);
    setColumns(columns);
    QVector<QVariant> row(columns.size());
    while (query.next()) {
        for (int i = 0; i < row.size(); ++i)
            row[i] = query.value(i);
        m_rows.append(row);
    }
}

int DynasetRecordSet::recordCount() const
{
    if (!m_isTable)
        return int(m_rows.rowCount());
    if (m_rowCount < 0) {
        QSqlQuery query(database());
        if (!query.exec(QStringLiteral("SELECT count(*) FROM %1").arg(quotedIdentifier(m_table))) || !query.next())
            throw Failure(QStringLiteral("Cannot count the rows of %1").arg(m_table), query.lastError().text());
        m_rowCount = query.value(0).toLongLong();
    }
    return int(m_rowCount);
}

bool DynasetRecordSet::eof() const
{
    return m_position >= recordCount();
}

bool DynasetRecordSet::hasCurrent() const
{
    return m_position >= 0 && m_position < recordCount();
}

void DynasetRecordSet::loadWindow(qsizetype position) const
{
    const qsizetype windowSize = m_windowRowIds.size();
    const bool readingOn = windowSize > 0 && position == m_windowStart + windowSize;
    SqliteStatement query(database(),
                          readingOn ? QStringLiteral("SELECT rowid,* FROM %1 WHERE rowid>? ORDER BY rowid LIMIT %2")
                                          .arg(quotedIdentifier(m_table))
                                          .arg(WindowRows)
                                    : QStringLiteral("SELECT rowid,* FROM %1 ORDER BY rowid LIMIT %2 OFFSET %3")
                                          .arg(quotedIdentifier(m_table))
                                          .arg(WindowRows)
                                          .arg(position));
    if (readingOn)
        query.bind(1, m_windowRowIds.last());
    m_window.clear();
    m_windowRowIds.clear();
    m_windowStart = position;
    QVector<QVariant> row(m_columns.size());
    while (query.step()) {
        m_windowRowIds.append(query.column(0).toLongLong());
        for (int i = 0; i < row.size(); ++i)
            row[i] = query.column(i + 1);
        m_window.append(row);
    }
    m_currentLoaded = -1;
}

bool DynasetRecordSet::readFromTail(qsizetype position) const
{
    if (m_tailStart < 0 || position < m_tailStart || position >= m_tailStart + qsizetype(m_tail.size()))
        return false;
    m_current = m_tail[size_t(position - m_tailStart)];
    if (position + 1 == m_tailStart + qsizetype(m_tail.size())) {
        // The reader has caught up: what it read need not be kept.
        m_windowRowIds = {m_tailRowIds.last()};
        m_windowStart = position;
        m_window.clear();
        m_window.append(m_current);
        m_tail.clear();
        m_tailRowIds.clear();
        m_tailStart = -1;
    }
    return true;
}

const QVector<QVariant> &DynasetRecordSet::currentValues() const
{
    if (m_currentLoaded == m_position)
        return m_current;
    if (!m_isTable) {
        m_rows.read(m_position, m_current);
    } else if (readFromTail(m_position)) {
        // read from memory
    } else {
        if (m_position < m_windowStart || m_position >= m_windowStart + m_windowRowIds.size())
            loadWindow(m_position);
        if (m_position - m_windowStart >= m_windowRowIds.size())
            throw Failure(QStringLiteral("No current record in %1").arg(m_table));
        m_window.read(m_position - m_windowStart, m_current);
    }
    m_currentLoaded = m_position;
    return m_current;
}

qint64 DynasetRecordSet::currentRowId() const
{
    if (m_tailStart >= 0 && m_position >= m_tailStart && m_position < m_tailStart + m_tailRowIds.size())
        return m_tailRowIds[m_position - m_tailStart];
    if (m_position < m_windowStart || m_position >= m_windowStart + m_windowRowIds.size())
        loadWindow(m_position);
    return m_windowRowIds.value(m_position - m_windowStart, -1);
}

void DynasetRecordSet::afterUpdate(qint64 rowId, bool added, const QVector<QVariant> &values)
{
    if (added) {
        if (m_rowCount < 0)
            recordCount(); // counts the row just added
        else
            ++m_rowCount;
        if (m_tailStart < 0)
            m_tailStart = m_rowCount - 1;
        m_tail.push_back(values);
        m_tailRowIds.append(rowId);
        return;
    }
    m_tail.clear();
    m_tailRowIds.clear();
    m_tailStart = -1;
    // A changed row may sit in the read-ahead block: read it again when needed.
    m_window.clear();
    m_windowRowIds.clear();
    m_currentLoaded = -1;
}

// ---------------------------------------------------------------- TableRecordSet

TableRecordSet::TableRecordSet(LocalDatabase &db, const QString &table) : LocalRecordSet(db, table, table) {}

void TableRecordSet::setIndex(const QString &indexName)
{
    QStringList columns;
    for (const QString &candidate : {m_db->dialect().indexName(m_table, indexName), indexName}) {
        QSqlQuery info(database());
        if (info.exec(QStringLiteral("PRAGMA index_info(%1)").arg(quotedIdentifier(candidate))))
            while (info.next())
                columns << info.value(2).toString();
        if (!columns.isEmpty())
            break;
    }
    if (columns.isEmpty())
        throw Failure(QStringLiteral("The working table %1 has no index %2").arg(m_table, indexName));
    m_indexColumns = columns;
    QStringList conditions;
    for (const QString &c : columns)
        conditions << quotedIdentifier(c) + QStringLiteral("=?");
    m_seek = std::make_shared<QSqlQuery>(database());
    m_seek->setForwardOnly(true);
    if (!m_seek->prepare(QStringLiteral("SELECT rowid,* FROM %1 WHERE %2 ORDER BY rowid LIMIT 1")
                             .arg(quotedIdentifier(m_table), conditions.join(QStringLiteral(" AND ")))))
        throw Failure(QStringLiteral("Cannot search the working table %1").arg(m_table), m_seek->lastError().text());
}

bool TableRecordSet::seek(const QVariantList &keys)
{
    if (!m_seek)
        throw Failure(QStringLiteral("Seek on %1 without a current index").arg(m_table));
    if (keys.size() != m_indexColumns.size())
        throw Failure(QStringLiteral("Seek on %1 needs %2 key values").arg(m_table).arg(m_indexColumns.size()));
    for (int i = 0; i < keys.size(); ++i)
        m_seek->bindValue(i, keys[i].metaType() == QMetaType::fromType<Currency>()
                                 ? encodeMoney(keys[i].value<Currency>(), MoneyEncoding::TenThousandths)
                                 : keys[i]);
    if (!m_seek->exec())
        throw Failure(QStringLiteral("Cannot search the working table %1").arg(m_table), m_seek->lastError().text());
    m_found = m_seek->next();
    if (m_found) {
        m_rowId = m_seek->value(0).toLongLong();
        m_current.resize(m_columns.size());
        for (int i = 0; i < m_columns.size(); ++i)
            m_current[i] = m_seek->value(i + 1);
    }
    m_seek->finish();
    return m_found;
}

void TableRecordSet::afterUpdate(qint64, bool added, const QVector<QVariant> &values)
{
    if (!added)
        m_current = values;
}

} // namespace qxmxz

#include "RecordSet.h"

#include <QRegularExpression>
#include <QSqlError>
#include <QSqlRecord>

#include "SqliteStatement.h"
#include "platform/Failure.h"

namespace qxmxz {

struct RecordSet::Term {
    int column = -1;
    QString op;
    bool isNumber = false;
    QString text;
    double number = 0;
};

namespace {

QString normalised(const QVariant &value, bool asNumber)
{
    if (value.isNull())
        return QStringLiteral("\x01null");
    if (asNumber) {
        bool ok = false;
        const double d = value.toDouble(&ok);
        return ok ? QString::number(d, 'g', 17) : value.toString();
    }
    return value.toString();
}

} // namespace

RecordSet::RecordSet(QSqlQuery &&query, Cursor cursor, QString sqlForErrors, std::shared_ptr<void> lease)
    : m_open(true), m_cursor(cursor), m_sql(std::move(sqlForErrors)), m_lease(std::move(lease))
{
    const QSqlRecord record = query.record();
    for (int i = 0; i < record.count(); ++i) {
        m_columns << record.fieldName(i);
        m_columnIndex.insert(record.fieldName(i).toLower(), i);
    }
    if (cursor == Cursor::Forward) {
        m_query = std::make_shared<QSqlQuery>(std::move(query));
        m_forwardAtEnd = !m_query->next();
        m_position = 0;
        return;
    }
    QVector<QVariant> row(record.count());
    while (query.next()) {
        for (int i = 0; i < row.size(); ++i)
            row[i] = query.value(i);
        m_rows.append(row);
    }
    if (query.lastError().isValid())
        throw Failure(QStringLiteral("Reading the result of a query failed"),
                      query.lastError().text() + QStringLiteral(" — ") + m_sql);
    m_position = 0;
}

RecordSet::RecordSet(std::shared_ptr<SqliteStatement> statement, QString sqlForErrors)
    : m_open(true), m_cursor(Cursor::Forward), m_sql(std::move(sqlForErrors)), m_statement(std::move(statement))
{
    for (int i = 0; i < m_statement->columnCount(); ++i) {
        m_columns << m_statement->columnName(i);
        m_columnIndex.insert(m_columns.last().toLower(), i);
    }
    m_forwardAtEnd = !m_statement->step();
    m_position = 0;
}

RecordSet::RecordSet(QStringList columns, const QList<QVector<QVariant>> &rows, QString sqlForErrors)
    : m_open(true), m_cursor(Cursor::Static), m_sql(std::move(sqlForErrors)), m_columns(std::move(columns))
{
    for (int i = 0; i < m_columns.size(); ++i)
        m_columnIndex.insert(m_columns[i].toLower(), i);
    for (const auto &row : rows)
        m_rows.append(row);
}

void RecordSet::close()
{
    m_open = false;
    m_query.reset();
    m_statement.reset();
    m_lease.reset();
    m_rows.clear();
    m_findIndexes.clear();
    m_current.clear();
    m_currentLoaded = -2;
}

void RecordSet::requireOpen() const
{
    if (!m_open)
        throw Failure(QStringLiteral("The record set is closed"), m_sql);
}

bool RecordSet::eof() const
{
    if (!m_open)
        return true;
    if (m_cursor == Cursor::Forward)
        return m_forwardAtEnd;
    return m_position >= m_rows.rowCount();
}

bool RecordSet::bof() const
{
    if (!m_open)
        return true;
    if (m_cursor == Cursor::Forward)
        return m_forwardAtEnd && m_position == 0;
    return m_position < 0 || m_rows.rowCount() == 0;
}

int RecordSet::recordCount() const
{
    if (m_cursor == Cursor::Forward)
        return -1;
    return int(m_rows.rowCount());
}

void RecordSet::moveFirst()
{
    requireOpen();
    if (m_cursor == Cursor::Forward) {
        if (m_position != 0)
            throw Failure(QStringLiteral("A forward-only result cannot move back to its first row"), m_sql);
        return;
    }
    m_position = 0;
}

void RecordSet::moveNext()
{
    requireOpen();
    if (m_cursor == Cursor::Forward) {
        if (!m_forwardAtEnd) {
            m_forwardAtEnd = m_statement ? !m_statement->step() : !m_query->next();
            ++m_position;
        }
        return;
    }
    if (m_position < m_rows.rowCount())
        ++m_position;
}

void RecordSet::movePrevious()
{
    requireOpen();
    if (m_cursor == Cursor::Forward)
        throw Failure(QStringLiteral("A forward-only result cannot move back"), m_sql);
    if (m_position >= 0)
        --m_position;
}

void RecordSet::moveLast()
{
    requireOpen();
    if (m_cursor == Cursor::Forward)
        throw Failure(QStringLiteral("A forward-only result cannot move to its last row"), m_sql);
    m_position = m_rows.rowCount() - 1;
}

void RecordSet::move(qsizetype rows)
{
    if (rows < 0) {
        for (qsizetype i = 0; i < -rows; ++i)
            movePrevious();
        return;
    }
    if (m_cursor == Cursor::Forward) {
        for (qsizetype i = 0; i < rows; ++i)
            moveNext();
        return;
    }
    requireOpen();
    m_position = std::min(m_position + rows, m_rows.rowCount());
}

int RecordSet::fieldIndex(const QString &name) const
{
    return m_columnIndex.value(name.toLower(), -1);
}

QList<int> RecordSet::fieldPositions(const QStringList &names) const
{
    QList<int> positions;
    positions.reserve(names.size());
    for (const QString &name : names) {
        const int index = fieldIndex(name);
        if (index < 0)
            throw Failure(QStringLiteral("The result has no column %1").arg(name), m_sql);
        positions << index;
    }
    return positions;
}

void RecordSet::loadCurrent() const
{
    if (m_currentLoaded == m_position)
        return;
    m_rows.read(m_position, m_current);
    m_currentLoaded = m_position;
}

QVariant RecordSet::field(int index) const
{
    requireOpen();
    if (eof() || bof() || index < 0 || index >= m_columns.size())
        throw Failure(QStringLiteral("No current row or no such column"),
                      QStringLiteral("column %1 — %2").arg(index).arg(m_sql));
    if (m_cursor == Cursor::Forward)
        return m_statement ? m_statement->column(index) : m_query->value(index);
    loadCurrent();
    return m_current.value(index);
}

QVariant RecordSet::field(const QString &name) const
{
    const int index = fieldIndex(name);
    if (index < 0)
        throw Failure(QStringLiteral("The result has no column %1").arg(name), m_sql);
    return field(index);
}

bool RecordSet::isNull(const QString &name) const
{
    return field(name).isNull();
}

bool RecordSet::matches(const QList<Term> &terms) const
{
    for (const Term &t : terms) {
        const QVariant v = m_current.value(t.column);
        if (v.isNull())
            return false;
        int cmp;
        if (t.isNumber) {
            const double d = v.toDouble();
            cmp = d < t.number ? -1 : (d > t.number ? 1 : 0);
        } else {
            cmp = QString::compare(v.toString(), t.text);
        }
        const bool ok = t.op == u"=" ? cmp == 0
                        : t.op == u"<>" || t.op == u"!=" ? cmp != 0
                        : t.op == u"<" ? cmp < 0
                        : t.op == u">" ? cmp > 0
                        : t.op == u"<=" ? cmp <= 0
                                        : cmp >= 0;
        if (!ok)
            return false;
    }
    return true;
}

bool RecordSet::find(const QString &condition)
{
    requireOpen();
    if (m_cursor == Cursor::Forward)
        throw Failure(QStringLiteral("A forward-only result cannot be searched"), m_sql);

    static const QRegularExpression termPattern(
        QStringLiteral(R"(^\s*([A-Za-z_][A-Za-z0-9_]*)\s*(<>|!=|<=|>=|=|<|>)\s*('(?:[^']|'')*'|[-+]?\d+(?:\.\d+)?)\s*$)"));
    static const QRegularExpression andPattern(QStringLiteral(R"(\s+and\s+)"),
                                               QRegularExpression::CaseInsensitiveOption);

    // Split at " and " outside quotes.
    QStringList parts;
    {
        QString piece;
        bool inQuote = false;
        for (qsizetype i = 0; i < condition.size(); ++i) {
            const QChar c = condition[i];
            if (c == u'\'')
                inQuote = !inQuote;
            if (!inQuote) {
                const auto m = andPattern.match(condition, i, QRegularExpression::NormalMatch,
                                                QRegularExpression::AnchorAtOffsetMatchOption);
                if (m.hasMatch()) {
                    parts << piece;
                    piece.clear();
                    i += m.capturedLength() - 1;
                    continue;
                }
            }
            piece += c;
        }
        parts << piece;
    }

    QList<Term> terms;
    bool allEqual = true;
    QString indexName;
    for (const QString &part : parts) {
        const auto m = termPattern.match(part);
        if (!m.hasMatch())
            throw Failure(QStringLiteral("Cannot read the search condition"), condition);
        Term t;
        t.column = fieldIndex(m.captured(1));
        if (t.column < 0)
            throw Failure(QStringLiteral("The result has no column %1").arg(m.captured(1)), m_sql);
        t.op = m.captured(2);
        QString value = m.captured(3);
        if (value.startsWith(u'\'')) {
            t.text = value.mid(1, value.size() - 2).replace(QStringLiteral("''"), QStringLiteral("'"));
        } else {
            t.isNumber = true;
            t.number = value.toDouble();
            t.text = QString::number(t.number, 'g', 17);
        }
        allEqual = allEqual && t.op == u"=";
        indexName += QString::number(t.column) + (t.isNumber ? u'n' : u't') + u'|';
        terms << t;
    }

    const qsizetype count = m_rows.rowCount();
    if (allEqual) {
        auto &index = m_findIndexes[indexName];
        if (!index) {
            index = std::make_shared<QHash<QString, qsizetype>>();
            QVector<QVariant> row;
            for (qsizetype r = count - 1; r >= 0; --r) { // from the bottom, so the first row wins
                m_rows.read(r, row);
                QString key;
                for (const Term &t : terms)
                    key += normalised(row.value(t.column), t.isNumber) + QChar(0x1f);
                index->insert(key, r);
            }
        }
        QString key;
        for (const Term &t : terms)
            key += t.text + QChar(0x1f);
        const auto it = index->constFind(key);
        m_position = it == index->constEnd() ? count : it.value();
        return m_position < count;
    }

    for (qsizetype r = 0; r < count; ++r) {
        m_position = r;
        loadCurrent();
        if (matches(terms))
            return true;
    }
    m_position = count;
    return false;
}

} // namespace qxmxz

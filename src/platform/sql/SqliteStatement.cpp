#include "SqliteStatement.h"

#include <QSqlDriver>
#include <algorithm>
#include <sqlite3.h>

#include "platform/Failure.h"
#include "platform/values/Currency.h"
#include "platform/values/VariantKinds.h"

namespace qxmxz {

SqliteStatement::SqliteStatement(const QSqlDatabase &db, const QString &sql) : m_sql(sql)
{
    const QVariant handle = db.driver() ? db.driver()->handle() : QVariant();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        throw Failure(QStringLiteral("The working database is not an SQLite database"));
    m_db = *static_cast<sqlite3 *const *>(handle.data());
    if (sqlite3_prepare16_v2(m_db, sql.utf16(), -1, &m_statement, nullptr) != SQLITE_OK)
        throw Failure(QStringLiteral("The working database refused a statement"),
                      QString::fromUtf8(sqlite3_errmsg(m_db)) + QStringLiteral(" — ") + sql);
}

SqliteStatement::~SqliteStatement()
{
    sqlite3_finalize(m_statement);
}

void SqliteStatement::bind(int index, const QVariant &value)
{
    // Text is most of what the working tables hold: it is tried first. Its
    // characters are bound where the string keeps them (unicode() is never a
    // null pointer, so an empty string stays empty text, not NULL); utf16()
    // would copy a literal or a null string to terminate it.
    const int type = value.metaType().id();
    int rc;
    if (type == QMetaType::QString && !value.isNull()) {
        const QString &text = *static_cast<const QString *>(value.constData());
        if (m_skipsUnchangedText) {
            BoundText &bound = m_boundText[std::size_t(index)];
            if (bound.characters == text.unicode() && bound.size == text.size())
                return;
            // SQLite moves text that starts with a byte-order mark into a copy.
            bound = text.startsWith(QChar(0xFEFF)) ? BoundText{} : BoundText{text.unicode(), text.size()};
        }
        rc = sqlite3_bind_text16(m_statement, index, text.unicode(), int(text.size() * sizeof(char16_t)),
                                 SQLITE_STATIC);
    } else {
        if (m_skipsUnchangedText)
            m_boundText[std::size_t(index)] = BoundText{};
        rc = bindOther(index, value, type);
    }
    if (rc != SQLITE_OK)
        throw Failure(QStringLiteral("Cannot bind a value"), QString::fromUtf8(sqlite3_errmsg(m_db)) + QStringLiteral(" — ") + m_sql);
}

int SqliteStatement::bindOther(int index, const QVariant &value, int type)
{
    if (!value.isValid() || value.isNull())
        return sqlite3_bind_null(m_statement, index);
    if (value.metaType() == QMetaType::fromType<Currency>()) // our SQLite databases keep money in ten-thousandths
        return sqlite3_bind_int64(m_statement, index, value.value<Currency>().units());
    if (holdsWholeNumber(value) || type == QMetaType::Bool)
        return sqlite3_bind_int64(m_statement, index, value.toLongLong());
    if (type == QMetaType::Double || type == QMetaType::Float)
        return sqlite3_bind_double(m_statement, index, value.toDouble());
    const QString text = value.toString();
    return sqlite3_bind_text16(m_statement, index, text.unicode(), int(text.size() * sizeof(char16_t)), SQLITE_TRANSIENT);
}

void SqliteStatement::bind(const QString &name, const QVariant &value)
{
    const int index = sqlite3_bind_parameter_index(m_statement, name.toUtf8().constData());
    if (index <= 0)
        return;
    m_kept.append(value);
    bind(index, m_kept.last());
}

bool SqliteStatement::step()
{
    const int rc = sqlite3_step(m_statement);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    throw Failure(QStringLiteral("The working database failed"), QString::fromUtf8(sqlite3_errmsg(m_db)) + QStringLiteral(" — ") + m_sql);
}

void SqliteStatement::reset()
{
    sqlite3_reset(m_statement);
    sqlite3_clear_bindings(m_statement);
    std::fill(m_boundText.begin(), m_boundText.end(), BoundText{});
}

void SqliteStatement::rewind()
{
    sqlite3_reset(m_statement);
}

void SqliteStatement::skipUnchangedText()
{
    m_skipsUnchangedText = true;
    m_boundText.assign(std::size_t(sqlite3_bind_parameter_count(m_statement)) + 1, BoundText{});
}

int SqliteStatement::columnCount() const
{
    return sqlite3_column_count(m_statement);
}

QString SqliteStatement::columnName(int index) const
{
    return QString::fromUtf16(static_cast<const char16_t *>(sqlite3_column_name16(m_statement, index)));
}

QVariant SqliteStatement::column(int index) const
{
    switch (sqlite3_column_type(m_statement, index)) {
    case SQLITE_INTEGER:
        return QVariant(qlonglong(sqlite3_column_int64(m_statement, index)));
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(m_statement, index));
    case SQLITE_NULL:
        return QVariant(QMetaType::fromType<QString>());
    case SQLITE_BLOB:
        return QVariant(QByteArray(static_cast<const char *>(sqlite3_column_blob(m_statement, index)),
                                   sqlite3_column_bytes(m_statement, index)));
    default:
        return QVariant(QString(reinterpret_cast<const QChar *>(sqlite3_column_text16(m_statement, index)),
                                sqlite3_column_bytes16(m_statement, index) / int(sizeof(char16_t))));
    }
}

qint64 SqliteStatement::lastInsertRowId() const
{
    return sqlite3_last_insert_rowid(m_db);
}

} // namespace qxmxz

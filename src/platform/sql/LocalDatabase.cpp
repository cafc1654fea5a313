#include "LocalDatabase.h"

#include <QAtomicInt>
#include <QDir>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <exception>

#include "LocalRecordSet.h"
#include "SqliteLibrary.h"
#include "SqliteStatement.h"
#include "platform/Failure.h"

namespace qxmxz {

LocalDatabase::LocalDatabase(const QString &filePath)
{
    static QAtomicInt counter;
    m_connectionName = QStringLiteral("qxmxz-local-%1").arg(counter.fetchAndAddRelaxed(1));
    if (filePath.isEmpty()) {
        QTemporaryDir folder(QDir::tempPath() + QStringLiteral("/qxmxz-session-XXXXXX"));
        if (!folder.isValid())
            throw Failure(QStringLiteral("Cannot create the private folder of the working database"), folder.errorString());
        folder.setAutoRemove(false);
        m_privateFolder = folder.path();
        m_filePath = m_privateFolder + QStringLiteral("/working.db");
    } else {
        m_filePath = filePath;
    }
    configureSqliteLibrary();
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
    db.setDatabaseName(m_filePath);
    if (!db.open())
        throw Failure(QStringLiteral("Cannot open the working database %1").arg(m_filePath), db.lastError().text());
    // A scratch database: nothing in it needs to survive a crash.
    QSqlQuery pragma(db);
    // UTF-16 text: the rows are written and read as Qt strings, without conversion.
    // A small page cache: rows are appended and read back in order, and a
    // larger cache only held more of a large ledger's pages in memory.
    // Large pages: a ledger's rows reach the file in fewer, larger writes.
    for (const char *p : {"PRAGMA page_size=65536", "PRAGMA encoding='UTF-16le'", "PRAGMA journal_mode=OFF",
                          "PRAGMA synchronous=OFF", "PRAGMA temp_store=MEMORY", "PRAGMA cache_size=-2048"})
        pragma.exec(QString::fromLatin1(p));
    m_dialect = makeDialect(Backend::Sqlite, {});
}

LocalDatabase::~LocalDatabase()
{
    {
        QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
        if (db.isOpen())
            db.close();
    }
    QSqlDatabase::removeDatabase(m_connectionName);
    if (!m_privateFolder.isEmpty())
        QDir(m_privateFolder).removeRecursively();
}

QSqlDatabase LocalDatabase::database() const
{
    return QSqlDatabase::database(m_connectionName, false);
}

void LocalDatabase::execute(const QString &sql)
{
    const SqlAction action = m_dialect->translate(sql);
    if (action.kind == SqlAction::Kind::Nothing)
        return;
    if (action.kind != SqlAction::Kind::Statement)
        throw Failure(QStringLiteral("The working database has no procedures"), sql);
    QSqlQuery query(database());
    if (!query.exec(action.text))
        throw Failure(QStringLiteral("The working database refused a statement"),
                      query.lastError().text().trimmed() + QStringLiteral(" — ") + sql.simplified());
}

bool LocalDatabase::executeIgnoringErrors(const QString &sql)
{
    try {
        execute(sql);
        return true;
    } catch (const Failure &) {
        return false;
    }
}

bool LocalDatabase::hasTable(const QString &table) const
{
    QSqlQuery query(database());
    query.prepare(QStringLiteral("SELECT 1 FROM sqlite_master WHERE type='table' AND lower(name)=lower(?)"));
    query.addBindValue(table);
    return query.exec() && query.next();
}

DynasetRecordSet LocalDatabase::openDynaset(const QString &tableOrSelect)
{
    return DynasetRecordSet(*this, tableOrSelect);
}

TableRecordSet LocalDatabase::openTable(const QString &table)
{
    return TableRecordSet(*this, table);
}

RecordSet LocalDatabase::openForward(const QString &select)
{
    RecordSet rs(std::make_shared<SqliteStatement>(database(), m_dialect->translate(select).text), select);
    rs.setMoneyEncoding(MoneyEncoding::TenThousandths);
    return rs;
}

void LocalDatabase::beginRun()
{
    if (m_inRun)
        return;
    if (!database().transaction())
        throw Failure(QStringLiteral("Cannot begin writing the working tables"), database().lastError().text());
    m_inRun = true;
}

void LocalDatabase::commitRun()
{
    if (!m_inRun)
        return;
    m_inRun = false;
    if (!database().commit())
        throw Failure(QStringLiteral("Cannot finish writing the working tables"), database().lastError().text());
}

void LocalDatabase::rollbackRun()
{
    if (!m_inRun)
        return;
    m_inRun = false;
    database().rollback();
}

LocalRun::LocalRun(LocalDatabase &db) : m_db(db), m_exceptions(std::uncaught_exceptions())
{
    m_db.beginRun();
}

LocalRun::~LocalRun()
{
    if (m_done)
        return;
    if (std::uncaught_exceptions() > m_exceptions)
        m_db.rollbackRun();
    else
        try {
            m_db.commitRun();
        } catch (...) {
        }
}

void LocalRun::commit()
{
    m_done = true;
    m_db.commitRun();
}

} // namespace qxmxz

#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QVariant>
#include <functional>
#include <memory>

#include "PreparedQueries.h"
#include "RecordSet.h"
#include "SqlDialect.h"

namespace qxmxz {

class Connection;
struct ProcedureDefinition;

// A call of a database procedure with named parameters, set in any order.
class ProcedureCall {
public:
    ProcedureCall(Connection &connection, const ProcedureDefinition &definition);
    // Throws a Failure when the procedure has no parameter of that name.
    ProcedureCall &set(const QString &parameterName, const QVariant &value);
    RecordSet execute(RecordSet::Cursor cursor = RecordSet::Cursor::Static);

private:
    Connection &m_connection;
    const ProcedureDefinition &m_definition;
    QVariantList m_values;
};

// The connection to the accounting database. URLs:
//   sqlite:PATH                       a database file (the embedded default)
//   postgresql://user:pw@host:port/db (also ?host=/socket/dir for a Unix socket)
//   odbc:DSN or odbc:DRIVER=…;SERVER=…  a SQL Server site
//   odbc:…?dialect=postgresql         a PostgreSQL server reached through ODBC
//                                     (dialect=sqlserver is the default)
// Statements are written once in the component's SQL and translated by the
// backend's dialect. Every failure throws a Failure naming the statement.
class Connection {
public:
    static std::unique_ptr<Connection> open(const QString &url);
    // A connection of its own to the same database, for a reading thread: it
    // is opened, used and dropped on the thread that calls this (a Qt
    // connection belongs to the thread that opens it). By default it streams
    // one result at a time, on itself; a reading that runs other statements
    // while it streams asks for clones of its own, as the main connection has.
    enum class Streams { OnItself, OnClones };
    std::unique_ptr<Connection> openSibling(Streams streams = Streams::OnItself) const;
    ~Connection();
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    // The version our SQLite accounting files carry (PRAGMA user_version) since
    // they keep money in ten-thousandths; older files keep doubles.
    static constexpr int SqliteFormatVersion = 2;

    // The SQL the database speaks; a PostgreSQL server reached through ODBC is Postgres here.
    Backend backend() const { return m_dialect->backend(); }
    // Whether one connection can write a table while others read the same
    // database. A server keeps its readers and writers apart; an SQLite
    // file's writer waits, to spill or commit, until every reader is done.
    bool writesBesideReaders() const { return backend() != Backend::Sqlite; }
    // Whether the database is reached through an ODBC driver.
    bool throughOdbc() const { return m_throughOdbc; }
    // How this database keeps money; every record set it returns reads money so.
    MoneyEncoding moneyEncoding() const { return m_money; }
    QString moneyLiteral(Currency amount) const { return qxmxz::moneyLiteral(amount, m_money); }
    const SqlDialect &dialect() const { return *m_dialect; }
    // The URL without its password: what the rights service is initialised with.
    QString connectionText() const { return m_connectionText; }
    QSqlDatabase database() const;

    RecordSet query(const QString &sql, RecordSet::Cursor cursor = RecordSet::Cursor::Static);
    // A forward result of a statement whose order an index on its table
    // gives, planned without a sort: PostgreSQL weighs the index's reads at
    // random against reading the rows in bulk and sorting them, and a sort
    // holds back the first row until the last is read, which a result read
    // beside another never makes up for. Elsewhere query(sql, Forward).
    RecordSet streamInIndexOrder(const QString &sql);
    void execute(const QString &sql);
    // For statements whose failure is expected and harmless ("Drop Table" of a
    // table that may not exist). Returns whether the statement succeeded.
    bool executeIgnoringErrors(const QString &sql);
    ProcedureCall procedure(const QString &name);
    bool hasTable(const QString &table) const;

    void beginTransaction();
    void commit();
    void rollback();

    // Runs `work` with the connection's page cache of an SQLite file set to
    // `kib` (it also bounds a sort's memory before it spills, no less than
    // 250 pages), then gives the cache its size back, also when `work`
    // throws. Elsewhere it only runs `work`.
    void withSqlitePageCache(int kib, const std::function<void()> &work);
    // Runs `work` with PostgreSQL's plain index scans off, then on again, also
    // when `work` throws: for a statement over a year whose condition cannot
    // bound an index on the code, which the planner would otherwise walk in
    // code order, fetching the year's lines at random. Bitmap and sequential
    // scans stay, so the year still bounds what is read. Elsewhere it only
    // runs `work`.
    void withoutPlainIndexScans(const std::function<void()> &work);

    // Runs a procedure with positional values (used by ProcedureCall and by
    // procedure calls written as statements).
    RecordSet runProcedure(const ProcedureDefinition &definition, const QVariantList &values,
                           RecordSet::Cursor cursor);

private:
    struct StreamPool;
    Connection(QString connectionName, QString connectionText, std::unique_ptr<SqlDialect> dialect, MoneyEncoding money,
               bool throughOdbc);
    // What every new connection gets once open (an SQLite page cache of
    // `cacheKiB`, which also bounds a sort's memory before it spills: 2 MB on
    // the main connection, 1 MB on a reading thread's, which passes over its
    // pages once; larger caches only held pages longer, beside a full grid);
    // returns how its money is kept.
    static constexpr int MainCacheKiB = 2048, SiblingCacheKiB = 1024;
    static MoneyEncoding prepareOpened(QSqlDatabase &db, Backend backend, int cacheKiB = MainCacheKiB);
    static void setSqlitePageCache(QSqlDatabase &db, int kib);
    void openSiblingDatabase(QSqlDatabase &db) const;
    RecordSet withMoney(RecordSet &&rs) const;
    // A database for a forward-only result. PostgreSQL loses a streamed result
    // when the same connection runs another statement, so each stream there
    // gets a connection of its own (kept in a pool); other backends stream on
    // the connection itself.
    QSqlDatabase streamingDatabase(RecordSet::Cursor cursor, std::shared_ptr<void> &lease);
    RecordSet runAction(const SqlAction &action, const QString &original, RecordSet::Cursor cursor, bool wantResult,
                        bool withoutSorts = false);

    QString m_connectionName;
    QString m_connectionText;
    std::unique_ptr<SqlDialect> m_dialect;
    MoneyEncoding m_money = MoneyEncoding::Decimal;
    bool m_throughOdbc = false;
    bool m_streamsOnItself = false;
    bool m_opensWhenUsed = false; // a sibling not yet opened: see openSibling
    std::shared_ptr<StreamPool> m_streams;
    std::unique_ptr<PreparedQueries> m_prepared;
};

} // namespace qxmxz

#include "Connection.h"

#include <QAtomicInt>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>
#include <QUrl>
#include <QUrlQuery>

#include "OdbcSource.h"
#include "ProcedureCatalog.h"
#include "SqliteLibrary.h"
#include "SqliteStatement.h"
#include <sqlite3.h>
#include "platform/Failure.h"

namespace qxmxz {

namespace {

QString nextConnectionName()
{
    static QAtomicInt counter;
    return QStringLiteral("qxmxz-accounting-%1").arg(counter.fetchAndAddRelaxed(1));
}

QString withoutPassword(const QString &url)
{
    if (url.startsWith(QLatin1String("odbc:"), Qt::CaseInsensitive)) {
        QString text = url;
        static const QRegularExpression password(QStringLiteral("(^|;|:)\\s*(PWD|Password)\\s*=[^;?]*;?"),
                                                 QRegularExpression::CaseInsensitiveOption);
        return text.replace(password, QStringLiteral("\\1"));
    }
    if (!url.startsWith(QLatin1String("postgresql:"), Qt::CaseInsensitive))
        return url;
    QUrl parsed(url);
    parsed.setPassword(QString());
    return parsed.toString();
}

// money_value(x): an amount as a plain number, whatever the database keeps:
// the one SQL function for arithmetic that is not a sum of amounts (a unit
// price). PostgreSQL has it as a function of the schema.
void moneyValue(sqlite3_context *context, int, sqlite3_value **arguments)
{
    if (sqlite3_value_type(arguments[0]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    const double scale = *static_cast<const double *>(sqlite3_user_data(context));
    sqlite3_result_double(context, sqlite3_value_double(arguments[0]) / scale);
}

MoneyEncoding prepareSqliteMoney(QSqlDatabase &db)
{
    QSqlQuery q(db);
    int version = 0;
    if (q.exec(QStringLiteral("PRAGMA user_version")) && q.next())
        version = q.value(0).toInt();
    bool hasVouchers = false;
    for (const QString &t : db.tables())
        hasVouchers = hasVouchers || t.compare(QLatin1String("GL_accvouch"), Qt::CaseInsensitive) == 0;
    const MoneyEncoding money = version >= Connection::SqliteFormatVersion || !hasVouchers
                                    ? MoneyEncoding::TenThousandths
                                    : MoneyEncoding::FloatingPoint;
    static const double tenThousandths = double(Currency::Scale), units = 1.0;
    const QVariant handle = db.driver()->handle();
    sqlite3 *sqlite = *static_cast<sqlite3 *const *>(handle.data());
    sqlite3_create_function_v2(sqlite, "money_value", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC,
                               const_cast<double *>(money == MoneyEncoding::TenThousandths ? &tenThousandths : &units),
                               moneyValue, nullptr, nullptr, nullptr);
    return money;
}

// Qt's ODBC driver puts "DSN=" before any text without DRIVER= or SERVER=,
// so "DSN=site;Database=x" would reach the driver manager as "DSN=DSN=site;…".
QString qtOdbcDatabaseName(const QString &connectionText)
{
    const bool named = connectionText.contains(QLatin1String("DRIVER="), Qt::CaseInsensitive)
                       || connectionText.contains(QLatin1String("SERVER="), Qt::CaseInsensitive);
    if (!named && connectionText.startsWith(QLatin1String("DSN="), Qt::CaseInsensitive))
        return connectionText.mid(4);
    return connectionText;
}

// A value as the driver writes it into SQL text, as Qt's PostgreSQL driver
// writes the arguments of the EXECUTE of a prepared statement.
QString driverLiteral(const QSqlDriver &driver, const QVariant &value)
{
    QSqlField field(QString(), value.metaType());
    if (value.isNull())
        field.clear();
    else
        field.setValue(value);
    return driver.formatValue(field);
}

// A PostgreSQL connection that streams results: they are read row by row as
// they come, so compiling a plan first (the server's jit) only delays the first rows.
void prepareForStreaming(QSqlDatabase &db)
{
    QSqlQuery(db).exec(QStringLiteral("SET jit = off"));
}

[[noreturn]] void failStatement(const QString &what, const QSqlError &error, const QString &sql)
{
    throw Failure(what, error.text().trimmed() + QStringLiteral(" — ") + sql.simplified());
}

} // namespace

// ---------------------------------------------------------------- ProcedureCall

ProcedureCall::ProcedureCall(Connection &connection, const ProcedureDefinition &definition)
    : m_connection(connection), m_definition(definition)
{
    m_values.resize(definition.parameters.size());
}

ProcedureCall &ProcedureCall::set(const QString &parameterName, const QVariant &value)
{
    const int index = m_definition.parameterIndex(parameterName);
    if (index < 0)
        throw Failure(QStringLiteral("The procedure %1 has no parameter %2").arg(m_definition.name, parameterName));
    m_values[index] = value;
    return *this;
}

RecordSet ProcedureCall::execute(RecordSet::Cursor cursor)
{
    return m_connection.runProcedure(m_definition, m_values, cursor);
}

// ---------------------------------------------------------------- Connection

struct Connection::StreamPool {
    QString baseName;
    QStringList names; // every clone made
    QStringList free;

    ~StreamPool()
    {
        for (const QString &name : std::as_const(names)) {
            {
                QSqlDatabase db = QSqlDatabase::database(name, false);
                if (db.isOpen())
                    db.close();
            }
            QSqlDatabase::removeDatabase(name);
        }
    }
};

Connection::Connection(QString connectionName, QString connectionText, std::unique_ptr<SqlDialect> dialect,
                       MoneyEncoding money, bool throughOdbc)
    : m_connectionName(std::move(connectionName)), m_connectionText(std::move(connectionText)),
      m_dialect(std::move(dialect)), m_money(money), m_throughOdbc(throughOdbc), m_streams(std::make_shared<StreamPool>()),
      m_prepared(std::make_unique<PreparedQueries>())
{
    m_streams->baseName = m_connectionName;
}

QSqlDatabase Connection::streamingDatabase(RecordSet::Cursor cursor, std::shared_ptr<void> &lease)
{
    // The ODBC driver reads a whole result before the next statement runs.
    if (cursor != RecordSet::Cursor::Forward || backend() != Backend::Postgres || m_throughOdbc || m_streamsOnItself)
        return database();
    QString name;
    if (!m_streams->free.isEmpty()) {
        name = m_streams->free.takeLast();
    } else {
        name = QStringLiteral("%1-stream-%2").arg(m_streams->baseName).arg(m_streams->names.size());
        QSqlDatabase clone = QSqlDatabase::cloneDatabase(m_connectionName, name); // without opening ours
        if (!clone.open()) {
            const QString reason = clone.lastError().text();
            clone = QSqlDatabase();
            QSqlDatabase::removeDatabase(name);
            throw Failure(QStringLiteral("Cannot open a second connection to %1").arg(m_connectionText), reason);
        }
        m_streams->names << name;
        prepareForStreaming(clone);
    }
    std::weak_ptr<StreamPool> pool = m_streams;
    lease = std::shared_ptr<void>(nullptr, [pool, name](void *) {
        if (auto p = pool.lock())
            p->free << name;
    });
    return QSqlDatabase::database(name, false);
}

Connection::~Connection()
{
    m_prepared.reset(); // its statements belong to the connection closed below
    m_streams.reset();
    {
        QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
        if (db.isOpen())
            db.close();
    }
    QSqlDatabase::removeDatabase(m_connectionName);
}

std::unique_ptr<Connection> Connection::open(const QString &url)
{
    const QString name = nextConnectionName();
    Backend backend;
    bool throughOdbc = false;
    QSqlDatabase db;
    if (url.startsWith(QLatin1String("sqlite:"), Qt::CaseInsensitive)) {
        const QString path = url.mid(7);
        if (path.isEmpty() || !QFileInfo(path).isFile())
            throw Failure(QStringLiteral("Cannot open the database %1").arg(url), QStringLiteral("no such file"));
        backend = Backend::Sqlite;
        configureSqliteLibrary();
        db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
    } else if (url.startsWith(QLatin1String("postgresql:"), Qt::CaseInsensitive)
               || url.startsWith(QLatin1String("postgres:"), Qt::CaseInsensitive)) {
        const QUrl parsed(url);
        const QUrlQuery params(parsed);
        backend = Backend::Postgres;
        db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
        const QString socketDir = params.queryItemValue(QStringLiteral("host"), QUrl::FullyDecoded);
        db.setHostName(socketDir.isEmpty() ? parsed.host() : socketDir);
        const QString port = params.queryItemValue(QStringLiteral("port"));
        db.setPort(port.isEmpty() ? parsed.port(5432) : port.toInt());
        db.setDatabaseName(parsed.path().mid(1));
        db.setUserName(parsed.userName());
        db.setPassword(parsed.password());
    } else if (url.startsWith(QLatin1String("odbc:"), Qt::CaseInsensitive)) {
        const OdbcSource source = odbcSource(url);
        backend = source.dialect;
        throughOdbc = true;
        db = QSqlDatabase::addDatabase(QStringLiteral("QODBC"), name);
        db.setDatabaseName(qtOdbcDatabaseName(source.connectionText));
    } else {
        throw Failure(QStringLiteral("Cannot open the database %1").arg(url),
                      QStringLiteral("a database is named sqlite:PATH, postgresql://… or odbc:DSN"));
    }
    // Numeric columns arrive as their decimal text, so amounts are read exactly
    // at any size (as doubles they would be exact only below about 900 billion).
    if (backend != Backend::Sqlite)
        db.setNumericalPrecisionPolicy(QSql::HighPrecision);
    if (!db.isValid() || !db.open()) {
        const QString reason = db.isValid() ? db.lastError().text().trimmed() : QStringLiteral("the database driver is not installed");
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(name);
        throw Failure(QStringLiteral("Cannot open the database %1").arg(withoutPassword(url)), reason);
    }
    const MoneyEncoding money = prepareOpened(db, backend);
    return std::unique_ptr<Connection>(
        new Connection(name, withoutPassword(url), makeDialect(backend, ProcedureCatalog::names()), money, throughOdbc));
}

std::unique_ptr<Connection> Connection::openSibling(Streams streams) const
{
    const QString name = nextConnectionName();
    // The overload by name may be called on any thread; the clone belongs to the caller's.
    QSqlDatabase db = QSqlDatabase::cloneDatabase(m_connectionName, name);
    if (!db.isValid()) {
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(name);
        throw Failure(QStringLiteral("Cannot open a second connection to %1").arg(m_connectionText), {});
    }
    auto sibling = std::unique_ptr<Connection>(new Connection(name, m_connectionText,
                                                              makeDialect(backend(), ProcedureCatalog::names()),
                                                              m_money, m_throughOdbc));
    sibling->m_streamsOnItself = streams == Streams::OnItself;
    // A server connection whose results all stream on clones may never run a
    // statement of its own: it is opened when one comes, which saves the
    // server a session (and the reading its start) in the usual case.
    sibling->m_opensWhenUsed = !sibling->m_streamsOnItself && backend() == Backend::Postgres && !m_throughOdbc;
    if (!sibling->m_opensWhenUsed)
        sibling->openSiblingDatabase(db);
    return sibling;
}

void Connection::openSiblingDatabase(QSqlDatabase &db) const
{
    if (!db.open())
        throw Failure(QStringLiteral("Cannot open a second connection to %1").arg(m_connectionText),
                      db.lastError().text().trimmed());
    // A reading thread passes over its pages once, in the order of an index:
    // a small page cache of its own serves it as well as the main one's.
    prepareOpened(db, backend(), SiblingCacheKiB);
    if (backend() == Backend::Postgres && !m_throughOdbc)
        prepareForStreaming(db);
}

MoneyEncoding Connection::prepareOpened(QSqlDatabase &db, Backend backend, int cacheKiB)
{
    if (backend != Backend::Sqlite)
        return MoneyEncoding::Decimal;
    // Codes are compared byte for byte as on the servers, which also lets
    // "ccode like N'1002%'" use the index on ccode.
    setSqlitePageCache(db, cacheKiB);
    QSqlQuery pragma(db);
    pragma.exec(QStringLiteral("PRAGMA case_sensitive_like=ON"));
    return prepareSqliteMoney(db);
}

void Connection::setSqlitePageCache(QSqlDatabase &db, int kib)
{
    QSqlQuery pragma(db);
    pragma.exec(QStringLiteral("PRAGMA cache_size=-%1").arg(kib));
}

namespace {

// Runs `work`, then `restore`, also when `work` throws.
void runThenRestore(const std::function<void()> &work, const std::function<void()> &restore)
{
    try {
        work();
    } catch (...) {
        restore();
        throw;
    }
    restore();
}

} // namespace

void Connection::withSqlitePageCache(int kib, const std::function<void()> &work)
{
    if (backend() != Backend::Sqlite || m_throughOdbc) {
        work();
        return;
    }
    QSqlDatabase db = database();
    QSqlQuery current(db);
    // A negative size is in KiB, a positive one in pages: kept as it was read.
    const QString own = current.exec(QStringLiteral("PRAGMA cache_size")) && current.next()
                            ? current.value(0).toString()
                            : QString::number(-MainCacheKiB);
    current.finish();
    auto restore = [&] { QSqlQuery(db).exec(QStringLiteral("PRAGMA cache_size=") + own); };
    setSqlitePageCache(db, kib);
    runThenRestore(work, restore);
}

void Connection::withoutPlainIndexScans(const std::function<void()> &work)
{
    if (backend() != Backend::Postgres) {
        work();
        return;
    }
    execute(QStringLiteral("SET enable_indexscan = off"));
    // After a failure inside a transaction the setting goes with its rollback.
    auto restore = [&] { executeIgnoringErrors(QStringLiteral("RESET enable_indexscan")); };
    runThenRestore(work, restore);
}

RecordSet Connection::withMoney(RecordSet &&rs) const
{
    rs.setMoneyEncoding(m_money);
    return std::move(rs);
}

QSqlDatabase Connection::database() const
{
    QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
    if (m_opensWhenUsed && !db.isOpen())
        openSiblingDatabase(db);
    return db;
}

RecordSet Connection::runAction(const SqlAction &action, const QString &original, RecordSet::Cursor cursor,
                                bool wantResult, bool withoutSorts)
{
    switch (action.kind) {
    case SqlAction::Kind::Nothing:
        return RecordSet(QStringList{}, {});
    case SqlAction::Kind::ProcedureCall: {
        const ProcedureDefinition *definition = ProcedureCatalog::find(action.text);
        if (!definition)
            throw Failure(QStringLiteral("Unknown database procedure %1").arg(action.text), original);
        return runProcedure(*definition, action.arguments, cursor);
    }
    case SqlAction::Kind::Statement:
        break;
    }
    if (wantResult && cursor == RecordSet::Cursor::Forward && backend() == Backend::Sqlite) {
        // Streamed straight from SQLite: no copy of each row through the driver's cache.
        std::shared_ptr<SqliteStatement> statement;
        try {
            statement = std::make_shared<SqliteStatement>(database(), action.text);
            return withMoney(RecordSet(statement, original));
        } catch (const Failure &failure) {
            throw Failure(QStringLiteral("The database refused a statement"), failure.detail());
        }
    }
    std::shared_ptr<void> lease;
    QSqlDatabase db = wantResult ? streamingDatabase(cursor, lease) : database();
    if (withoutSorts && backend() == Backend::Postgres && !m_throughOdbc) {
        QSqlQuery(db).exec(QStringLiteral("SET enable_sort = off"));
        // The setting goes when the result does, before its connection
        // streams anything else.
        lease = std::shared_ptr<void>(nullptr, [name = db.connectionName(), inner = std::move(lease)](void *) {
            QSqlQuery(QSqlDatabase::database(name, false)).exec(QStringLiteral("RESET enable_sort"));
        });
    }
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.exec(action.text))
        failStatement(QStringLiteral("The database refused a statement"), query.lastError(), original);
    if (!wantResult)
        return {};
    return withMoney(RecordSet(std::move(query), cursor, original, std::move(lease)));
}

RecordSet Connection::query(const QString &sql, RecordSet::Cursor cursor)
{
    if (cursor == RecordSet::Cursor::Static && backend() != Backend::Odbc)
        if (const std::optional<ParameterizedQuery> shaped = parameterizeComparedLiterals(sql))
            if (std::optional<RecordSet> result = m_prepared->run(database(), *m_dialect, *shaped, sql))
                return withMoney(std::move(*result));
    return runAction(m_dialect->translate(sql), sql, cursor, true);
}

RecordSet Connection::streamInIndexOrder(const QString &sql)
{
    return runAction(m_dialect->translate(sql), sql, RecordSet::Cursor::Forward, true, true);
}

void Connection::execute(const QString &sql)
{
    runAction(m_dialect->translate(sql), sql, RecordSet::Cursor::Forward, false);
}

bool Connection::executeIgnoringErrors(const QString &sql)
{
    const SqlAction action = m_dialect->translate(sql);
    if (action.kind != SqlAction::Kind::Statement) {
        try {
            runAction(action, sql, RecordSet::Cursor::Forward, false);
            return true;
        } catch (const Failure &) {
            return false;
        }
    }
    QSqlDatabase db = database();
    // On PostgreSQL a failed statement spoils an open transaction; a savepoint keeps it usable.
    const bool guard = backend() == Backend::Postgres && db.driver()->hasFeature(QSqlDriver::Transactions)
                       && QSqlQuery(db).exec(QStringLiteral("SAVEPOINT qxmxz_ignore"));
    QSqlQuery query(db);
    const bool ok = query.exec(action.text);
    if (guard)
        QSqlQuery(db).exec(ok ? QStringLiteral("RELEASE SAVEPOINT qxmxz_ignore")
                              : QStringLiteral("ROLLBACK TO SAVEPOINT qxmxz_ignore"));
    return ok;
}

ProcedureCall Connection::procedure(const QString &name)
{
    const ProcedureDefinition *definition = ProcedureCatalog::find(name);
    if (!definition)
        throw Failure(QStringLiteral("Unknown database procedure %1").arg(name));
    return ProcedureCall(*this, *definition);
}

RecordSet Connection::runProcedure(const ProcedureDefinition &definition, const QVariantList &values,
                                   RecordSet::Cursor cursor)
{
    if (values.size() > definition.parameters.size())
        throw Failure(QStringLiteral("Too many arguments for the procedure %1").arg(definition.name));
    if (cursor == RecordSet::Cursor::Forward && backend() == Backend::Sqlite) {
        auto statement = std::make_shared<SqliteStatement>(database(), definition.body);
        for (int i = 0; i < definition.parameters.size(); ++i)
            statement->bind(QLatin1Char(':') + definition.parameters[i].name, i < values.size() ? values[i] : QVariant());
        return withMoney(RecordSet(statement, definition.name));
    }
    std::shared_ptr<void> lease;
    QSqlQuery query(streamingDatabase(cursor, lease));
    query.setForwardOnly(true);
    QString text;
    switch (backend()) {
    case Backend::Sqlite:
        text = definition.body;
        break;
    case Backend::Postgres: {
        // Through ODBC only positional marks bind reliably. Without ODBC the
        // arguments are written into the call: Qt's driver runs a prepared
        // statement as an SQL EXECUTE, whose rows the server holds back until
        // the last is read, so a long ledger's first page would wait for all.
        QStringList arguments;
        for (int i = 0; i < definition.parameters.size(); ++i)
            arguments << (m_throughOdbc ? QStringLiteral("?")
                                        : driverLiteral(*query.driver(), i < values.size() ? values[i] : QVariant()));
        text = QStringLiteral("select * from %1(%2)").arg(definition.name, arguments.join(u','));
        break;
    }
    case Backend::Odbc: {
        QStringList assignments;
        for (const auto &p : definition.parameters)
            assignments << QStringLiteral("@%1=?").arg(p.name);
        text = QStringLiteral("EXEC %1 %2").arg(definition.name, assignments.join(u','));
        break;
    }
    }
    const bool bound = m_throughOdbc || backend() != Backend::Postgres;
    if (bound && !query.prepare(text))
        failStatement(QStringLiteral("The procedure %1 could not be prepared").arg(definition.name), query.lastError(), text);
    for (int i = 0; bound && i < definition.parameters.size(); ++i) {
        const QVariant value = i < values.size() ? values[i] : QVariant();
        if (m_throughOdbc)
            query.addBindValue(value);
        else if (text.contains(QLatin1Char(':') + definition.parameters[i].name))
            query.bindValue(QLatin1Char(':') + definition.parameters[i].name, value);
    }
    if (bound ? !query.exec() : !query.exec(text))
        failStatement(QStringLiteral("The procedure %1 failed").arg(definition.name), query.lastError(), text);
    return withMoney(RecordSet(std::move(query), cursor, definition.name, std::move(lease)));
}

bool Connection::hasTable(const QString &table) const
{
    const QStringList tables = database().tables();
    for (const QString &t : tables)
        if (t.compare(table, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

void Connection::beginTransaction()
{
    if (!database().transaction())
        throw Failure(QStringLiteral("Cannot begin a transaction"), database().lastError().text());
}

void Connection::commit()
{
    if (!database().commit())
        throw Failure(QStringLiteral("Cannot commit a transaction"), database().lastError().text());
}

void Connection::rollback()
{
    database().rollback();
}

} // namespace qxmxz

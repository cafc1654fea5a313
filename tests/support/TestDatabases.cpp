#include "TestDatabases.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QUrl>
#include <QUrlQuery>

#include "install/AccountingDatabase.h"
#include "platform/Failure.h"
#include "platform/sql/OdbcSource.h"

namespace qxmxz {

void PrintTo(Backend backend, std::ostream *os)
{
    *os << test::backendTestName(::testing::TestParamInfo<Backend>(backend, 0));
}

} // namespace qxmxz

namespace qxmxz::test {

namespace {

// The databases of this program; the environment removes them after the last test.
class Registry {
public:
    static Registry &instance()
    {
        static Registry registry;
        return registry;
    }

    QString newSqliteUrl()
    {
        if (!m_folder) {
            m_folder = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/qxmxz-test-XXXXXX"));
            if (!m_folder->isValid())
                throw Failure(QStringLiteral("Cannot make a temporary folder for test databases"), m_folder->errorString());
        }
        return QStringLiteral("sqlite:") + m_folder->filePath(QStringLiteral("db%1.sqlite").arg(++m_count));
    }

    QString newPostgresUrl()
    {
        QUrl url(postgresServerUrl());
        const QString name = QStringLiteral("qxmxz_test_%1_%2_%3")
                                 .arg(QCoreApplication::applicationPid())
                                 .arg(QRandomGenerator::global()->bounded(1000000))
                                 .arg(++m_count);
        url.setPath(u'/' + name);
        m_postgresDatabases << name;
        return url.toString();
    }

    // An empty database on the PostgreSQL server, named as the ODBC data
    // source reaches it: the source's own database is overridden.
    QString newOdbcUrl()
    {
        const QString source = qEnvironmentVariable("QXMXZ_ODBC_URL");
        if (source.isEmpty())
            throw Failure(QStringLiteral("QXMXZ_ODBC_URL is not set: run the tests with ./dev test, which writes an "
                                         "ODBC data source for its PostgreSQL server"));
        const QString name = QUrl(newPostgresUrl()).path().mid(1);
        {
            std::unique_ptr<Connection> server = Connection::open(postgresServerUrl());
            server->execute(QStringLiteral("CREATE DATABASE \"%1\" TEMPLATE template0 ENCODING 'UTF8' "
                                           "LC_COLLATE 'C' LC_CTYPE 'C'").arg(name));
        }
        const OdbcSource parsed = odbcSource(source);
        QString text = parsed.connectionText;
        if (!text.contains(u'='))
            text = QStringLiteral("DSN=") + text;
        if (!text.endsWith(u';'))
            text += u';';
        text += QStringLiteral("Database=") + name;
        return QStringLiteral("odbc:") + text
               + (parsed.dialect == Backend::Postgres ? QStringLiteral("?dialect=postgresql") : QString());
    }

    QString newUrl(Backend backend)
    {
        switch (backend) {
        case Backend::Sqlite: return newSqliteUrl();
        case Backend::Postgres: return newPostgresUrl();
        case Backend::Odbc: return newOdbcUrl();
        }
        throw Failure(QStringLiteral("Unknown test backend"));
    }

    // Companies built once per program, by a key naming backend and content.
    QHash<QString, QString> companies;

    void removeAll()
    {
        companies.clear();
        if (!m_postgresDatabases.isEmpty()) {
            try {
                std::unique_ptr<Connection> server = Connection::open(postgresServerUrl());
                for (const QString &name : std::as_const(m_postgresDatabases))
                    server->executeIgnoringErrors(QStringLiteral("DROP DATABASE IF EXISTS \"%1\" WITH (FORCE)").arg(name));
            } catch (const Failure &failure) {
                std::fprintf(stderr, "Test databases were not dropped: %s\n", failure.what());
            }
            m_postgresDatabases.clear();
        }
        m_folder.reset();
    }

private:
    std::unique_ptr<QTemporaryDir> m_folder;
    QStringList m_postgresDatabases;
    int m_count = 0;
};

class RemoveDatabasesAtEnd : public ::testing::Environment {
public:
    void TearDown() override { Registry::instance().removeAll(); }
};

[[maybe_unused]] ::testing::Environment *const removeDatabasesAtEnd =
    ::testing::AddGlobalTestEnvironment(new RemoveDatabasesAtEnd);

template <typename Build>
QString company(Backend backend, const QString &what, Build build)
{
    Registry &registry = Registry::instance();
    const QString key = QString::fromStdString(backendTestName(::testing::TestParamInfo<Backend>(backend, 0))) + u'/' + what;
    const auto found = registry.companies.constFind(key);
    if (found != registry.companies.constEnd())
        return *found;
    const QString url = registry.newUrl(backend);
    {
        std::unique_ptr<Connection> connection = db::createAccountingDatabase(url);
        build(*connection);
    }
    registry.companies.insert(key, url);
    return url;
}

} // namespace

::testing::internal::ParamGenerator<Backend> allBackends()
{
    return ::testing::ValuesIn(std::vector<Backend>{Backend::Sqlite, Backend::Postgres, Backend::Odbc});
}

void BackendTest::SetUp()
{
    if (GetParam() == Backend::Odbc && qEnvironmentVariableIsEmpty("QXMXZ_ODBC_URL"))
        GTEST_SKIP() << "QXMXZ_ODBC_URL is not set (./dev test sets it when the PostgreSQL ODBC driver is installed)";
}

std::string backendTestName(const ::testing::TestParamInfo<Backend> &info)
{
    switch (info.param) {
    case Backend::Sqlite: return "Sqlite";
    case Backend::Postgres: return "Postgres";
    case Backend::Odbc: return "Odbc";
    }
    return "Unknown";
}

QString postgresServerUrl()
{
    const QString url = qEnvironmentVariable("QXMXZ_PG_URL");
    if (url.isEmpty())
        throw Failure(QStringLiteral("QXMXZ_PG_URL is not set: run the tests with ./dev test, which starts a PostgreSQL "
                                     "server for them (or ./dev pg-shell and run the test program there)"));
    return url;
}

QString demoUrl(Backend backend)
{
    return company(backend, QStringLiteral("demo"), [](Connection &c) { db::loadDemoCompany(c); });
}

std::unique_ptr<Connection> openDemo(Backend backend)
{
    return Connection::open(demoUrl(backend));
}

QString generatedUrl(Backend backend, qint64 voucherLines, quint64 seed)
{
    return company(backend, QStringLiteral("generated/%1/%2").arg(voucherLines).arg(seed), [=](Connection &c) {
        db::CompanyOptions options;
        options.voucherLines = voucherLines;
        options.seed = seed;
        db::generateCompany(c, options);
    });
}

std::unique_ptr<Connection> openGenerated(Backend backend, qint64 voucherLines, quint64 seed)
{
    return Connection::open(generatedUrl(backend, voucherLines, seed));
}

std::unique_ptr<Connection> createScratchDatabase(Backend backend)
{
    return db::createAccountingDatabase(Registry::instance().newUrl(backend));
}

QString unusedDatabaseUrl(Backend backend)
{
    return Registry::instance().newUrl(backend);
}

} // namespace qxmxz::test

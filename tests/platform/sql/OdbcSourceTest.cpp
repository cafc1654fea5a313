#include <gtest/gtest.h>

#include "platform/Failure.h"
#include "platform/sql/OdbcSource.h"

using namespace qxmxz;

namespace {

TEST(OdbcSource, ADataSourceOrAConnectionStringWithTheDialectOfTheServerBehindIt)
{
    const OdbcSource plain = odbcSource(QStringLiteral("odbc:AccountingSite"));
    EXPECT_EQ(plain.connectionText, QStringLiteral("AccountingSite"));
    EXPECT_EQ(plain.dialect, Backend::Odbc) << "SQL Server is the server an ODBC source is taken to be";

    const OdbcSource postgres = odbcSource(QStringLiteral("odbc:qxmxz_test?dialect=postgresql"));
    EXPECT_EQ(postgres.connectionText, QStringLiteral("qxmxz_test"));
    EXPECT_EQ(postgres.dialect, Backend::Postgres);

    const OdbcSource named = odbcSource(
        QStringLiteral("odbc:Driver={PostgreSQL Unicode};Server=/tmp/pg;Port=5433;Database=books?dialect=PostgreSQL"));
    EXPECT_EQ(named.connectionText, QStringLiteral("Driver={PostgreSQL Unicode};Server=/tmp/pg;Port=5433;Database=books"));
    EXPECT_EQ(named.dialect, Backend::Postgres);

    EXPECT_EQ(odbcSource(QStringLiteral("odbc:Site?dialect=sqlserver")).dialect, Backend::Odbc);
}

TEST(OdbcSource, AQuestionMarkThatIsNotTheDialectBelongsToTheConnectionString)
{
    const OdbcSource source = odbcSource(QStringLiteral("odbc:DSN=Site;UID=sa;PWD=what?ever"));
    EXPECT_EQ(source.connectionText, QStringLiteral("DSN=Site;UID=sa;PWD=what?ever"));
    EXPECT_EQ(source.dialect, Backend::Odbc);
}

TEST(OdbcSource, AnUnknownDialectOrNoSourceIsRefused)
{
    EXPECT_THROW(odbcSource(QStringLiteral("odbc:Site?dialect=oracle")), Failure);
    EXPECT_THROW(odbcSource(QStringLiteral("odbc:")), Failure);
    EXPECT_THROW(odbcSource(QStringLiteral("odbc:?dialect=postgresql")), Failure);
}

} // namespace

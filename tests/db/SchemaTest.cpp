#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "install/AccountingDatabase.h"
#include "platform/Failure.h"
#include "support/TestDatabases.h"

using namespace qxmxz;

namespace {

class SchemaTest : public test::BackendTest {};

TEST_P(SchemaTest, refusesADatabaseThatHasTablesAlreadyAndLeavesItAsItWas)
{
    const QString url = test::unusedDatabaseUrl(GetParam());
    db::createAccountingDatabase(url)->execute(
        QStringLiteral("insert into code (iyear, ccode, ccode_name, igrade, bend) values (2026, '1001', N'库存现金', 1, 1)"));
    try {
        db::createAccountingDatabase(url);
        FAIL() << "a second creation at the same place was accepted";
    } catch (const Failure &failure) {
        EXPECT_TRUE(failure.describe().contains(QLatin1String("exists already")) ||
                    failure.describe().contains(QLatin1String("has tables already")))
            << failure.what();
    }
    EXPECT_EQ(Connection::open(url)->query(QStringLiteral("select count(*) from code")).field(0).toInt(), 1);
}

INSTANTIATE_TEST_SUITE_P(Backends, SchemaTest, test::allBackends(), test::backendTestName);

TEST(SchemaCreation, leavesNothingBehindOnAFailureAndNeverOverwritesAFile)
{
    QTemporaryDir folder;
    const QString missing = folder.filePath(QStringLiteral("missing/folder/db.sqlite"));
    EXPECT_THROW(db::createAccountingDatabase(QStringLiteral("sqlite:") + missing), Failure);
    EXPECT_FALSE(QFile::exists(missing));

    const QString taken = folder.filePath(QStringLiteral("taken.sqlite"));
    {
        QFile file(taken);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("not a database");
    }
    EXPECT_THROW(db::createAccountingDatabase(QStringLiteral("sqlite:") + taken), Failure);
    QFile file(taken);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("not a database"));

    EXPECT_THROW(db::createAccountingDatabase(QStringLiteral("odbc:SomeSite")), Failure);
}

} // namespace

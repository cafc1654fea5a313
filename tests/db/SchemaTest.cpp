#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "install/AccountingDatabase.h"
#include "install/SchemaStatements.h"
#include "platform/Failure.h"
#include "support/TestDatabases.h"

using namespace qxmxz;

namespace {

class SchemaTest : public ::testing::TestWithParam<Backend> {};

const char *const Tables[] = {
    "code", "GL_accvouch", "GL_accsum", "foreigncurrency", "dsign", "settlestyle", "department", "person", "customer",
    "vendor", "customerclass", "vendorclass", "districtclass", "fitem", "fitemss", "inventory", "userdef", "userdefine",
    "UA_User", "UA_Role", "ua_holdauth", "ua_dataauth", "ua_auth", "GL_mybooktype", "printEx", "GL_msysname",
    "gl_calendar", "gl_options"};

TEST_P(SchemaTest, installsEveryTableEmptyAndTheProcedures)
{
    auto db = test::createScratchDatabase(GetParam());
    for (const char *table : Tables) {
        SCOPED_TRACE(table);
        EXPECT_TRUE(db->hasTable(QString::fromLatin1(table)));
        RecordSet rows = db->query(QStringLiteral("select count(*) from ") + QString::fromLatin1(table));
        EXPECT_EQ(rows.field(0).toInt(), 0);
    }
    // The procedures answer on an empty database, through a call object and
    // through the statement form the ledgers use.
    RecordSet lines = db->procedure(QStringLiteral("GL_SubsLedger"))
                          .set(QStringLiteral("KmCode"), QStringLiteral("1002%"))
                          .set(QStringLiteral("beginPeriod"), 1)
                          .set(QStringLiteral("endPeriod"), 12)
                          .set(QStringLiteral("bVouch"), 1)
                          .set(QStringLiteral("byPeriod"), 0)
                          .set(QStringLiteral("iyear"), 2026)
                          .execute();
    EXPECT_TRUE(lines.eof());
    EXPECT_TRUE(lines.hasField(QStringLiteral("cDefine16")));
    EXPECT_TRUE(db->query(QStringLiteral("GL_glCode '1002%',1,12,1,2026")).eof());
    EXPECT_TRUE(db->query(QStringLiteral("GL_CodeExchBegin '1002%',3,0,2026")).eof());
}

TEST_P(SchemaTest, keepsAccountCodesUniquePerYear)
{
    auto db = test::createScratchDatabase(GetParam());
    const QString insert = QStringLiteral(
        "insert into code (iyear, ccode, ccode_name, igrade, bend) values (%1, '1001', N'库存现金', 1, 1)");
    db->execute(insert.arg(2026));
    db->execute(insert.arg(2027));
    EXPECT_THROW(db->execute(insert.arg(2026)), Failure);
}

TEST_P(SchemaTest, refusesADatabaseThatHasTablesAlready)
{
    const QString url = test::unusedDatabaseUrl(GetParam());
    db::createAccountingDatabase(url);
    try {
        db::createAccountingDatabase(url);
        FAIL() << "a second creation at the same place was accepted";
    } catch (const Failure &failure) {
        EXPECT_TRUE(failure.describe().contains(QLatin1String("exists already"))
                    || failure.describe().contains(QLatin1String("has tables already")))
            << failure.what();
    }
    // The first database is untouched.
    auto db = Connection::open(url);
    EXPECT_TRUE(db->hasTable(QStringLiteral("GL_accvouch")));
}

INSTANTIATE_TEST_SUITE_P(Backends, SchemaTest, test::bothBackends(), test::backendTestName);

TEST(SchemaScript, splitsAtSemicolonsThatEndALineAndDropsComments)
{
    const QStringList statements = db::splitSchemaScript(QStringLiteral(
        "-- heading\nCREATE TABLE a (x varchar(3) DEFAULT ';');\n\n-- next\nCREATE TABLE b (\n  y integer\n);\nCREATE INDEX i ON b (y);"));
    ASSERT_EQ(statements.size(), 3);
    EXPECT_EQ(statements[0], QStringLiteral("CREATE TABLE a (x varchar(3) DEFAULT ';')"));
    EXPECT_EQ(statements[1], QStringLiteral("CREATE TABLE b (\n  y integer\n)"));
    EXPECT_EQ(statements[2], QStringLiteral("CREATE INDEX i ON b (y)"));
}

TEST(SchemaCreation, leavesNoFileBehindWhenTheSqliteDatabaseCannotBeMade)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("missing/folder/db.sqlite"));
    EXPECT_THROW(db::createAccountingDatabase(QStringLiteral("sqlite:") + path), Failure);
    EXPECT_FALSE(QFile::exists(path));
}

TEST(SchemaCreation, refusesAnExistingSqliteFile)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("taken.sqlite"));
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("not a database");
    }
    EXPECT_THROW(db::createAccountingDatabase(QStringLiteral("sqlite:") + path), Failure);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("not a database"));
}

TEST(SchemaCreation, refusesOtherKindsOfDatabase)
{
    EXPECT_THROW(db::createAccountingDatabase(QStringLiteral("odbc:SomeSite")), Failure);
}

} // namespace

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "platform/Failure.h"
#include "platform/sql/Connection.h"
#include "platform/sql/ProcedureCatalog.h"
#include "platform/sql/SqlText.h"
#include "platform/values/Currency.h"

using namespace qxmxz;

namespace {

// A scratch accounting database on SQLite holding a few voucher lines.
class SqliteConnection : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        const QString path = folder.filePath(QStringLiteral("acc.db"));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.close();
        db = Connection::open(QStringLiteral("sqlite:") + path);
        db->execute(QStringLiteral("create table v (ccode varchar(20), iperiod smallint, md numeric(19,4), cdigest varchar(60))"));
        // Amounts as this database keeps them (ten-thousandths in a new SQLite file).
        const auto amount = [this](qint64 units) { return db->moneyLiteral(Currency::fromUnits(units)); };
        db->execute(QStringLiteral("insert into v values ('1001',1,%1,'收款'),('1002',1,%2,'付款'),"
                                   "('1001',3,%3,N'零钱'),('1002',3,NULL,NULL)")
                        .arg(amount(1005000), amount(200000), amount(2500)));
    }

    // The codes a query finds, run as written (through the dialect, without binding its values).
    QStringList codes(const QString &sql)
    {
        QStringList found;
        for (RecordSet rs = db->query(sql, RecordSet::Cursor::Forward); !rs.eof(); rs.moveNext())
            found << rs.text(QStringLiteral("ccode"));
        return found;
    }

    QTemporaryDir folder;
    std::unique_ptr<Connection> db;
};

} // namespace

TEST_F(SqliteConnection, StaticResultsNavigateAndReadFieldsByName)
{
    RecordSet rs = db->query(QStringLiteral("select ccode,iperiod,md,cdigest from v order by ccode,iperiod"));
    ASSERT_EQ(rs.recordCount(), 4);
    EXPECT_EQ(rs.text(QStringLiteral("CCODE")), QStringLiteral("1001"));
    EXPECT_EQ(rs.money(QStringLiteral("md")), Currency::fromUnits(1005000));
    rs.moveLast();
    EXPECT_TRUE(rs.isNull(QStringLiteral("cdigest")));
    EXPECT_EQ(rs.text(QStringLiteral("cdigest")), QString()); // never the word Null
    rs.moveNext();
    EXPECT_TRUE(rs.eof());
    rs.moveFirst();
    EXPECT_EQ(rs.field(1).toInt(), 1);
    EXPECT_THROW(rs.field(QStringLiteral("nosuch")), Failure);
    // Positions found once, in the order asked, whatever the names' case.
    EXPECT_EQ(rs.fieldPositions({QStringLiteral("cdigest"), QStringLiteral("CCODE")}), (QList<int>{3, 0}));
    try {
        rs.fieldPositions({QStringLiteral("md"), QStringLiteral("nosuch")});
        ADD_FAILURE() << "a missing column went unnoticed";
    } catch (const Failure &failure) {
        EXPECT_TRUE(QString::fromUtf8(failure.what()).contains(QStringLiteral("nosuch"))) << failure.what();
    }

    EXPECT_TRUE(db->query(QStringLiteral("select ccode from v where 1=0")).isEmpty());

    RecordSet forward = db->query(QStringLiteral("select ccode from v"), RecordSet::Cursor::Forward);
    EXPECT_EQ(forward.recordCount(), -1);
    forward.moveNext();
    EXPECT_THROW(forward.moveFirst(), Failure);
    EXPECT_EQ(codes(QStringLiteral("select ccode from v order by ccode")), (QStringList{"1001", "1001", "1002", "1002"}));
}

TEST_F(SqliteConnection, FindsTheFirstRowMatchingASimpleCondition)
{
    RecordSet rs = db->query(QStringLiteral("select ccode,iperiod,md from v order by ccode,iperiod"));
    EXPECT_TRUE(rs.find(QStringLiteral("ccode = '1002' and iperiod=3")));
    EXPECT_EQ(rs.position(), 3);
    EXPECT_TRUE(rs.find(QStringLiteral("ccode='1001' and iperiod=1"))); // from the top again
    EXPECT_EQ(rs.position(), 0);
    EXPECT_FALSE(rs.find(QStringLiteral("ccode = '1003' and iperiod=1")));
    EXPECT_TRUE(rs.eof());
    EXPECT_TRUE(rs.find(QStringLiteral("iperiod > 1 and ccode <> '1001'")));
    EXPECT_EQ(rs.text(QStringLiteral("ccode")), QStringLiteral("1002"));
    // A quote inside the searched value does not end the condition early.
    EXPECT_FALSE(rs.find(QStringLiteral("ccode = '1001'' and iperiod=1'")));
    EXPECT_THROW(rs.find(QStringLiteral("ccode like '10%'")), Failure);
}

TEST_F(SqliteConnection, craftedValuesStayOneLiteralAndNeverWidenAQuery)
{
    const QString crafted = QStringLiteral("1001' or '1'='1");
    EXPECT_EQ(sqlQuoted(crafted), QStringLiteral("1001'' or ''1''=''1"));
    EXPECT_TRUE(codes("select ccode from v where ccode = N'" + sqlQuoted(crafted) + "' and iperiod=1").isEmpty());
    EXPECT_TRUE(codes("select ccode from v where ccode like N'" + sqlLikePrefix(crafted) + "%'").isEmpty());
    EXPECT_EQ(codes("select ccode from v where ccode like N'" + sqlLikePrefix(QStringLiteral("1002")) + "%'"),
              (QStringList{"1002", "1002"}));
    // A wildcard would widen a prefix pattern, so a code holding one is refused.
    for (const char *bad : {"%", "10%", "1_01", "[1]", "1\\"}) {
        EXPECT_THROW(sqlLikePrefix(QString::fromLatin1(bad)), Failure) << bad;
        EXPECT_THROW(likePrefixParameter(QString::fromLatin1(bad)), Failure) << bad;
    }
    EXPECT_EQ(likePrefixParameter(QStringLiteral("1002'")), QStringLiteral("1002'")); // bound, not concatenated
    for (const char *bad : {"", "10 02", "1001'", "10%", "a;b", "x\"y"})
        EXPECT_FALSE(isPlainCode(QString::fromLatin1(bad))) << bad;
    EXPECT_TRUE(isPlainCode(QStringLiteral("A01-2")));
}

TEST_F(SqliteConnection, ServerOnlyFormsRunAndAProcedureBodyTakesNamedParameters)
{
    EXPECT_FALSE(db->executeIgnoringErrors(QStringLiteral("Drop Table nosuchtable")));
    db->execute(QStringLiteral("SET NOCOUNT OFF "));
    db->execute(QStringLiteral("SELECT * INTO vcopy FROM v where cdigest = N'零钱' order by ccode"));
    EXPECT_TRUE(db->hasTable(QStringLiteral("VCOPY")));

    const ProcedureDefinition def = ProcedureCatalog::parse(
        QStringLiteral("test.sql"),
        QStringLiteral("-- procedure: Lines\n-- parameters: KmCode text, fromPeriod integer\n-- returns: ccode text, md money\n"
                       "select ccode, md from v where ccode like :KmCode and iperiod >= :fromPeriod and :fromPeriod > 0\n"));
    ProcedureCall call(*db, def);
    call.set(QStringLiteral("kmcode"), QStringLiteral("1001%")).set(QStringLiteral("fromPeriod"), 3);
    RecordSet rs = call.execute();
    ASSERT_EQ(rs.recordCount(), 1);
    EXPECT_EQ(rs.money(QStringLiteral("md")), Currency::fromUnits(2500));
    EXPECT_THROW(call.set(QStringLiteral("nosuch"), 1), Failure);
    // The end of a body may differ by backend; the text before the first backend's part is shared.
    const ProcedureDefinition parts = ProcedureCatalog::parse(
        QStringLiteral("parts.sql"),
        QStringLiteral("-- procedure: Parts\n-- parameters: a integer\n-- returns: b integer\n"
                       "with t as (select :a as b)\n-- on postgresql:\nselect b from t order by b;\n"
                       "-- on SQLite:\nselect b from t;\n"));
    EXPECT_EQ(parts.body, QStringLiteral("with t as (select :a as b)\nselect b from t"));
    EXPECT_EQ(parts.postgresBody, QStringLiteral("with t as (select :a as b)\nselect b from t order by b"));
    EXPECT_EQ(def.postgresBody, def.body);
    // A procedure file without its header, or with a parameter without a type, is refused.
    EXPECT_THROW(ProcedureCatalog::parse(QStringLiteral("x.sql"), QStringLiteral("select 1")), Failure);
    EXPECT_THROW(ProcedureCatalog::parse(QStringLiteral("x.sql"),
                                         QStringLiteral("-- procedure: X\n-- parameters: a\n-- returns: b int\nselect 1")),
                 Failure);
}

TEST_F(SqliteConnection, AnotherPageCacheLastsForItsWorkOnlyAlsoWhenTheWorkFails)
{
    const auto cacheSize = [this] {
        RecordSet rs = db->query(QStringLiteral("PRAGMA cache_size"), RecordSet::Cursor::Forward);
        return rs.eof() ? QString() : rs.field(0).toString();
    };
    const QString own = cacheSize();
    ASSERT_FALSE(own.isEmpty());
    QString during;
    db->withSqlitePageCache(256, [&] { during = cacheSize(); });
    EXPECT_EQ(during, QStringLiteral("-256"));
    EXPECT_EQ(cacheSize(), own);
    EXPECT_THROW(db->withSqlitePageCache(256, [] { throw Failure(QStringLiteral("the work failed")); }), Failure);
    EXPECT_EQ(cacheSize(), own);
}

TEST(ConnectionUrls, NameWhatCouldNotBeOpened)
{
    for (const char *url : {"sqlite:/no/such/file.db", "mysql://x", "", "postgresql://nobody@/nodb?host=/no/such/dir&port=1"}) {
        try {
            Connection::open(QString::fromLatin1(url));
            FAIL() << url;
        } catch (const Failure &f) {
            EXPECT_TRUE(f.text().contains(QStringLiteral("Cannot open the database"))) << f.describe().toStdString();
        }
    }
}

TEST(SqliteMoney, AFileMadeBeforeAmountsWereKeptInTenThousandthsIsReadAsItWasWritten)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("old.db"));
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    {
        auto db = Connection::open(QStringLiteral("sqlite:") + path);
        EXPECT_EQ(db->moneyEncoding(), MoneyEncoding::TenThousandths) << "a new file";
        db->execute(QStringLiteral("create table GL_accvouch (ccode varchar(20), md numeric(19,4))"));
        db->execute(QStringLiteral("insert into GL_accvouch values ('1001', 100.5), ('1001', 0.25)"));
    }
    auto old = Connection::open(QStringLiteral("sqlite:") + path);
    EXPECT_EQ(old->moneyEncoding(), MoneyEncoding::FloatingPoint);
    EXPECT_EQ(old->query(QStringLiteral("select sum(md) as md from GL_accvouch")).money(QStringLiteral("md")),
              Currency::fromUnits(1007500));
    EXPECT_EQ(old->moneyLiteral(Currency::fromUnits(5)), QStringLiteral("0.0005"));
    old->execute(QStringLiteral("PRAGMA user_version = %1").arg(Connection::SqliteFormatVersion));
    old.reset();
    EXPECT_EQ(Connection::open(QStringLiteral("sqlite:") + path)->moneyEncoding(), MoneyEncoding::TenThousandths);
}

#include <gtest/gtest.h>

#include "platform/Failure.h"
#include "support/Printers.h"
#include "support/TestDatabases.h"

using namespace qxmxz;

namespace {

// A statement run with plain index scans off leaves the connection as it found
// it, whether the statement succeeds or fails.
class PlainIndexScansTest : public test::BackendTest {};

QString indexScans(Connection &db)
{
    RecordSet rs = db.query(QStringLiteral("SHOW enable_indexscan"));
    return rs.eof() ? QString() : rs.field(0).toString();
}

} // namespace

TEST_P(PlainIndexScansTest, AreOffForTheWorkOnlyAndOnAgainAfterAFailure)
{
    auto db = test::openDemo(GetParam());
    int runs = 0;
    if (db->backend() != Backend::Postgres) {
        db->withoutPlainIndexScans([&] { ++runs; });
        EXPECT_EQ(runs, 1);
        EXPECT_THROW(db->withoutPlainIndexScans([] { throw Failure(QStringLiteral("the work failed")); }), Failure);
        return;
    }
    ASSERT_EQ(indexScans(*db), QStringLiteral("on"));
    QString during;
    db->withoutPlainIndexScans([&] {
        ++runs;
        during = indexScans(*db);
    });
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(during, QStringLiteral("off"));
    EXPECT_EQ(indexScans(*db), QStringLiteral("on"));

    EXPECT_THROW(db->withoutPlainIndexScans([&] {
        db->execute(QStringLiteral("select no_such_column from gl_accvouch where iyear=2026"));
    }),
                 Failure);
    EXPECT_EQ(indexScans(*db), QStringLiteral("on"));
}

namespace {

QString sortsOfAStream(Connection &db)
{
    RecordSet rs = db.query(QStringLiteral("SHOW enable_sort"), RecordSet::Cursor::Forward);
    return rs.eof() ? QString() : rs.field(0).toString();
}

} // namespace

TEST_P(PlainIndexScansTest, AStreamInIndexOrderIsPlannedWithoutSortsAndLeavesNoSettingBehind)
{
    auto db = test::openDemo(GetParam());
    const QString lines = QStringLiteral("select ccode,inid from gl_accvouch where iyear=2026 and ccode like '1002%'"
                                         " order by ccode,iperiod,dbill_date,isignseq,ino_id,inid");
    QList<QStringList> streamed, queried;
    for (RecordSet rs = db->streamInIndexOrder(lines); !rs.eof(); rs.moveNext())
        streamed << QStringList{rs.field(0).toString(), rs.field(1).toString()};
    for (RecordSet rs = db->query(lines); !rs.eof(); rs.moveNext())
        queried << QStringList{rs.field(0).toString(), rs.field(1).toString()};
    ASSERT_FALSE(queried.isEmpty());
    EXPECT_EQ(streamed, queried);
    // Through ODBC a stream shares the one connection with every other
    // statement, so its plan is left to the server as it stands.
    if (db->backend() != Backend::Postgres || db->throughOdbc())
        return;

    ASSERT_EQ(sortsOfAStream(*db), QStringLiteral("on"));
    {
        RecordSet during = db->streamInIndexOrder(QStringLiteral("SHOW enable_sort"));
        ASSERT_FALSE(during.eof());
        EXPECT_EQ(during.field(0).toString(), QStringLiteral("off"));
        // Another stream beside it is planned as usual.
        EXPECT_EQ(sortsOfAStream(*db), QStringLiteral("on"));
    }
    // The connection the stream had goes back to the others as it came.
    EXPECT_EQ(sortsOfAStream(*db), QStringLiteral("on"));
    EXPECT_THROW(db->streamInIndexOrder(QStringLiteral("select no_such_column from gl_accvouch where iyear=2026")),
                 Failure);
    EXPECT_EQ(sortsOfAStream(*db), QStringLiteral("on"));
}

INSTANTIATE_TEST_SUITE_P(Backends, PlainIndexScansTest, test::allBackends(), test::backendTestName);

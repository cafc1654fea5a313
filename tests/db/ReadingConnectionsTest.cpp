// The server sessions a reading thread's connection holds on PostgreSQL.

#include <gtest/gtest.h>

#include "platform/sql/Connection.h"
#include "support/TestDatabases.h"

using namespace qxmxz;

namespace {

int sessionsOn(Connection &db)
{
    RecordSet rs =
        db.query(QStringLiteral("select count(*) from pg_stat_activity where datname=current_database()"));
    return rs.field(0).toInt();
}

QStringList streamed(RecordSet &rs)
{
    QStringList values;
    for (; !rs.eof(); rs.moveNext())
        values << rs.field(0).toString();
    return values;
}

} // namespace

// A reading that streams its results on clones opens a session of its own
// only when it runs a statement of its own, and that statement leaves the
// stream beside it whole.
TEST(ReadingConnections, OneStreamingOnClonesHoldsASessionOnlyForItsOwnStatements)
{
    const auto main = test::createScratchDatabase(Backend::Postgres);
    const int alone = sessionsOn(*main);
    ASSERT_GE(alone, 1);

    const auto reading = main->openSibling(Connection::Streams::OnClones);
    EXPECT_EQ(sessionsOn(*main), alone);
    RecordSet stream = reading->streamInIndexOrder(QStringLiteral("select g from generate_series(1,5) g order by g"));
    EXPECT_EQ(sessionsOn(*main), alone + 1);
    ASSERT_FALSE(stream.eof());
    EXPECT_EQ(stream.field(0).toInt(), 1);
    stream.moveNext();

    RecordSet own = reading->query(QStringLiteral("select count(*) from gl_accvouch"));
    ASSERT_FALSE(own.eof());
    EXPECT_EQ(own.field(0).toInt(), 0);
    EXPECT_EQ(sessionsOn(*main), alone + 2);
    EXPECT_EQ(streamed(stream), (QStringList{"2", "3", "4", "5"}));

    // One streaming on itself is its own session from the start.
    const auto plain = main->openSibling(Connection::Streams::OnItself);
    EXPECT_EQ(sessionsOn(*main), alone + 3);
    RecordSet onItself = plain->streamInIndexOrder(QStringLiteral("select g from generate_series(1,3) g order by g"));
    EXPECT_EQ(streamed(onItself), (QStringList{"1", "2", "3"}));
    EXPECT_EQ(sessionsOn(*main), alone + 3);
}

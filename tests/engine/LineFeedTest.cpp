#include <gtest/gtest.h>

#include <QStringList>
#include <chrono>
#include <future>

#include "engine/LineFeed.h"
#include "engine/VoucherLine.h"
#include "platform/Failure.h"
#include "platform/outside/GlPublic.h"
#include "platform/sql/Connection.h"
#include "support/TestDatabases.h"
#include "support/TestSession.h"

using namespace qxmxz;
using namespace qxmxz::test;

namespace {

class LineFeedTest : public BackendTest {};

RecordSet voucherLines(Connection &database, int year, int byPeriod, int firstPeriod = 1, int lastPeriod = 12)
{
    return database.procedure(QStringLiteral("GL_SubsLedger"))
        .set(QStringLiteral("KmCode"), QStringLiteral("%"))
        .set(QStringLiteral("beginPeriod"), firstPeriod)
        .set(QStringLiteral("endPeriod"), lastPeriod)
        .set(QStringLiteral("bVouch"), 1)
        .set(QStringLiteral("byPeriod"), byPeriod)
        .set(QStringLiteral("iyear"), year)
        .execute(RecordSet::Cursor::Forward);
}

QString describe(const VoucherLine &line)
{
    return QStringLiteral("%1 %2 %3-%4/%5 %6 %7 %8")
        .arg(line.code)
        .arg(line.period)
        .arg(line.sign)
        .arg(line.number)
        .arg(line.lineNumber)
        .arg(line.digest, line.md.toString(), line.mc.toString());
}

} // namespace

// The reading thread's own connection sees the same lines in the same order
// as the run's connection, in both orders of the ledger.
TEST_P(LineFeedTest, FeedsTheLinesOfTheSourceInItsOrder)
{
    const auto session = openDemoSession(GetParam());
    Connection &database = session->pub.database();
    const int year = session->pub.year();
    for (int byPeriod : {0, 1}) {
        QStringList direct;
        RecordSet source = voucherLines(database, year, byPeriod);
        const VoucherLineReader reader(source);
        VoucherLine line;
        for (; !source.eof(); source.moveNext()) {
            reader.read(source, line);
            direct << describe(line);
        }
        source.close();
        ASSERT_GT(direct.size(), 100) << "the demo holds enough lines to fill several batches";

        QStringList fed;
        LineFeed feed(database, [year, byPeriod](Connection &own) { return voucherLines(own, year, byPeriod); });
        for (; const VoucherLine *l = feed.current(); feed.moveNext())
            fed << describe(*l);
        EXPECT_EQ(fed, direct) << "byPeriod " << byPeriod;
    }
}

// Several queries read as one: the year's lines in period order asked a
// period at a time are the lines of the year asked at once, in their order.
TEST_P(LineFeedTest, FeedsSeveralQueriesOneAfterTheOther)
{
    const auto session = openDemoSession(GetParam());
    Connection &database = session->pub.database();
    const int year = session->pub.year();
    QStringList whole;
    LineFeed once(database, [year](Connection &own) { return voucherLines(own, year, 1); });
    for (; const VoucherLine *l = once.current(); once.moveNext())
        whole << describe(*l);
    ASSERT_GT(whole.size(), 100);

    QList<LineFeed::Query> periods;
    for (int p = 1; p <= 12; ++p)
        periods << [year, p](Connection &own) { return voucherLines(own, year, 1, p, p); };
    QStringList fed;
    LineFeed byPeriods(database, periods);
    for (; const VoucherLine *l = byPeriods.current(); byPeriods.moveNext())
        fed << describe(*l);
    EXPECT_EQ(fed, whole);
}

// A source the database refuses fails where the run reads its first line,
// with the database's reason, and the feed then stands at its end.
TEST_P(LineFeedTest, AFailureOfTheReaderReachesTheRun)
{
    const auto session = openDemoSession(GetParam());
    LineFeed feed(session->pub.database(), [](Connection &own) {
        return own.query(QStringLiteral("select ccode from no_such_table_here"), RecordSet::Cursor::Forward);
    });
    EXPECT_THROW(feed.current(), Failure);
    EXPECT_EQ(feed.current(), nullptr);
}

// A run stopped after its first line closes the feed while the reader is
// still ahead of it (or held back by the full queue); nothing more arrives.
TEST_P(LineFeedTest, ClosingStopsAReaderThatIsAhead)
{
    const auto session = openDemoSession(GetParam());
    const int year = session->pub.year();
    LineFeed feed(session->pub.database(), [year](Connection &own) { return voucherLines(own, year, 0); });
    ASSERT_NE(feed.current(), nullptr);
    feed.close();
    EXPECT_EQ(feed.current(), nullptr);
    feed.moveNext();
    EXPECT_EQ(feed.current(), nullptr);
}

// A run waiting for a reader that is behind is called back while it waits
// (a window answers its events there); giving up leaves the feed where it
// stood, and the lines still come once the reader has them.
TEST_P(LineFeedTest, AWaitingRunIsCalledBackAndMayGiveUp)
{
    const auto session = openDemoSession(GetParam());
    const int year = session->pub.year();
    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
    LineFeed feed(session->pub.database(), [year, released](Connection &own) {
        released.wait();
        return voucherLines(own, year, 0);
    });
    int calls = 0;
    EXPECT_EQ(feed.current([&] { return ++calls < 3; }, std::chrono::milliseconds(5)), nullptr);
    EXPECT_EQ(calls, 3);
    release.set_value();
    calls = 0;
    const VoucherLine *first = feed.current([&] { return ++calls > 0; }, std::chrono::milliseconds(5));
    ASSERT_NE(first, nullptr);
    EXPECT_FALSE(first->code.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Backends, LineFeedTest, allBackends(), backendTestName);

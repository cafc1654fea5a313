// Items read on a thread of their own reach the taker in order, the
// producer's failure where the taker meets it; a producer that waits for room
// holds no more items than the taker's and the one it reads.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <thread>

#include "platform/Failure.h"
#include "platform/sql/ReadAhead.h"
#include "support/TestDatabases.h"

using namespace qxmxz;

namespace {

// An item that counts itself among the living while it holds its token.
struct Counted {
    int value = 0;
    std::shared_ptr<int> token;
};

std::unique_ptr<Connection> openDatabase()
{
    return test::openDemo(Backend::Sqlite);
}

} // namespace

TEST(ReadAhead, ItemsComeInOrderAndTheProducersFailureWhereTheReadingMeetsIt)
{
    const auto db = openDatabase();
    ReadAhead<int> items(
        *db,
        [](Connection &, ReadAhead<int>::Sink &sink) {
            for (int i = 0; i < 1000; ++i)
                if (!sink.put(int(i)))
                    return;
            throw Failure(QStringLiteral("the reading broke"));
        },
        Connection::Streams::OnItself, 16, 2);
    for (int i = 0; i < 1000; ++i) {
        const int *item = items.current();
        ASSERT_NE(item, nullptr) << "item " << i;
        EXPECT_EQ(*item, i);
        items.moveNext();
    }
    EXPECT_THROW(items.current(), Failure);
}

TEST(ReadAhead, AProducerWaitingForRoomHoldsOneItemBesideTheTakers)
{
    const auto db = openDatabase();
    const auto token = std::make_shared<int>(0);
    std::atomic<long> mostAlive{0};
    constexpr int Items = 40;
    ReadAhead<Counted> items(
        *db,
        [&](Connection &, ReadAhead<Counted>::Sink &sink) {
            for (int i = 0; i < Items; ++i) {
                if (!sink.waitForRoom())
                    return;
                Counted item{i, token};
                mostAlive = std::max<long>(mostAlive, token.use_count() - 1);
                if (!sink.put(std::move(item)))
                    return;
            }
        },
        Connection::Streams::OnItself, 1, 1);
    for (int i = 0; i < Items; ++i) {
        const Counted *item = items.current();
        ASSERT_NE(item, nullptr) << "item " << i;
        EXPECT_EQ(item->value, i);
        // A slow taker: the producer would run ahead if it did not wait.
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
        items.moveNext();
    }
    EXPECT_EQ(items.current(), nullptr);
    EXPECT_EQ(mostAlive.load(), 2);
    items.close();
    EXPECT_EQ(token.use_count(), 1);
}

TEST(ReadAhead, ClosingEndsAProducerWaitingForRoom)
{
    const auto db = openDatabase();
    std::atomic<bool> returned{false};
    ReadAhead<int> items(
        *db,
        [&](Connection &, ReadAhead<int>::Sink &sink) {
            for (int i = 0;; ++i)
                if (!sink.waitForRoom() || !sink.put(int(i)))
                    break;
            returned = true;
        },
        Connection::Streams::OnItself, 1, 1);
    ASSERT_NE(items.current(), nullptr);
    EXPECT_EQ(*items.current(), 0);
    items.close();
    EXPECT_TRUE(returned);
    EXPECT_EQ(items.current(), nullptr);
}

#pragma once

#include <condition_variable>
#include <deque>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

#include "VoucherLine.h"

namespace qxmxz {

class Connection;
class RecordSet;

// The voucher lines of a forward result, read on a thread of their own: the
// source is queried and its rows are turned into lines there, on a second
// connection to the same database, while the run's thread writes the rows
// of the lines already read. A bounded queue of batches stands between the
// two, so a slow writer holds back the reader, not memory. Only the run's
// thread touches the working table, the grid and the main connection.
//
// Closing the feed (or destroying it) stops the reader at its next line and
// waits for it; a failure of the reader is thrown from `current` where the
// run would have met it reading the source itself.
class LineFeed {
public:
    using Query = std::function<RecordSet(Connection &)>;

    LineFeed(const Connection &database, Query query);
    ~LineFeed();
    LineFeed(const LineFeed &) = delete;
    LineFeed &operator=(const LineFeed &) = delete;

    // The line the feed stands on; nullptr after the last one.
    const VoucherLine *current();
    void moveNext();
    void close();

private:
    using Batch = std::vector<VoucherLine>;
    void read(const Connection &database, const Query &query);
    bool push(Batch &&batch); // false once the feed is closed

    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<Batch> m_queue;
    bool m_finished = false; // the reader has read its last line or failed
    bool m_closing = false;
    std::exception_ptr m_failure;

    Batch m_batch; // the run's thread's own
    std::size_t m_next = 0;
    bool m_atEnd = false;
    std::thread m_reader;
};

} // namespace qxmxz

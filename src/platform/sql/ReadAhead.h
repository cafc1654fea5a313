#pragma once

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <deque>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

#include "Connection.h"

namespace qxmxz {

// Items read from the database on a thread of their own: a producer runs
// there on a second connection to the same database (opened, used and
// dropped on that thread) and puts its items one by one, while the run's
// thread takes them in the same order. A bounded queue of batches stands
// between the two, so a slow taker holds back the producer, not memory.
// Only the run's thread touches the working tables, the grid and the main
// connection.
//
// Closing (or destroying) stops the producer at its next item and waits for
// it; a failure of the producer is thrown from `current` where the run would
// have met it reading the database itself.
template <class Item>
class ReadAhead {
public:
    // Where the producer puts its items; `put` is false once the reading is
    // closed, and the producer should then return.
    class Sink {
    public:
        bool put(Item &&item)
        {
            m_batch.push_back(std::move(item));
            return m_batch.size() < m_owner.m_batchItems || flush();
        }
        // Waits until a batch put now would not wait, then ends the items the
        // taker has passed: a producer of large items calls it before it reads
        // the next one, so that no more than the queue's items are held beside
        // the taker's. False once the reading is closed.
        bool waitForRoom() { return m_owner.waitForRoom(); }

    private:
        friend class ReadAhead;
        explicit Sink(ReadAhead &owner) : m_owner(owner) { m_batch.reserve(owner.m_batchItems); }
        bool flush()
        {
            if (m_batch.empty())
                return true;
            const bool open = m_owner.push(std::move(m_batch));
            m_batch = m_owner.takeSpent();
            m_batch.reserve(m_owner.m_batchItems);
            return open;
        }
        ReadAhead &m_owner;
        std::vector<Item> m_batch;
    };
    using Producer = std::function<void(Connection &own, Sink &sink)>;

    // Items a batch and batches waiting: enough to keep the taker busy while
    // the producer waits on the database, small enough to hold beside the grid.
    ReadAhead(const Connection &database, Producer producer,
              Connection::Streams streams = Connection::Streams::OnItself, std::size_t batchItems = 128,
              std::size_t queuedBatches = 8)
        : m_batchItems(batchItems), m_queuedBatches(queuedBatches)
    {
        m_producer = std::thread([this, &database, streams, producer = std::move(producer)] {
            produce(database, streams, producer);
        });
    }
    ~ReadAhead() { close(); }
    ReadAhead(const ReadAhead &) = delete;
    ReadAhead &operator=(const ReadAhead &) = delete;

    // The item the reading stands on; nullptr after the last one.
    const Item *current()
    {
        return current([] { return true; }, std::chrono::hours(1));
    }

    // The same, calling `waiting` at every `slice` it waits for the producer
    // (a window lets its events through there); nullptr at once when
    // `waiting` returns false, the reading standing where it was.
    template <class Waiting>
    const Item *current(Waiting &&waiting, std::chrono::milliseconds slice = std::chrono::milliseconds(20))
    {
        while (!m_atEnd && m_next >= m_batch.size()) {
            std::unique_lock lock(m_mutex);
            if (!m_changed.wait_for(lock, slice, [this] { return !m_queue.empty() || m_finished; })) {
                lock.unlock();
                if (!waiting())
                    return nullptr;
                continue;
            }
            if (!m_queue.empty()) {
                // The batch taken is handed back to the producer, which ends
                // its items on its own thread and fills it again.
                Batch taken;
                taken.swap(m_queue.front());
                m_queue.pop_front();
                m_spent.emplace_back().swap(m_batch);
                m_batch.swap(taken);
                m_next = 0;
                lock.unlock();
                m_changed.notify_all();
            } else {
                m_atEnd = true;
                if (m_failure)
                    std::rethrow_exception(m_failure);
            }
        }
        return m_atEnd ? nullptr : &m_batch[m_next];
    }

    void moveNext()
    {
        if (current())
            ++m_next;
    }

    void close()
    {
        {
            std::lock_guard lock(m_mutex);
            m_closing = true;
            m_queue.clear();
        }
        m_changed.notify_all();
        if (m_producer.joinable())
            m_producer.join();
        m_atEnd = true;
        m_batch.clear();
        m_spent.clear(); // the producer has gone: nobody else ends them
    }

private:
    using Batch = std::vector<Item>;

    void produce(const Connection &database, Connection::Streams streams, const Producer &producer)
    {
        Sink sink(*this);
        std::exception_ptr failure;
        try {
            const std::unique_ptr<Connection> own = database.openSibling(streams);
            producer(*own, sink);
        } catch (...) {
            failure = std::current_exception();
        }
        // The items put before a failure are the taker's too: it meets the
        // failure after them.
        sink.flush();
        {
            std::lock_guard lock(m_mutex);
            m_failure = failure;
            m_finished = true;
        }
        m_changed.notify_all();
    }

    bool push(Batch &&batch)
    {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [this] { return m_closing || m_queue.size() < m_queuedBatches; });
        if (m_closing)
            return false;
        m_queue.push_back(std::move(batch));
        lock.unlock();
        m_changed.notify_all();
        return true;
    }

    bool waitForRoom()
    {
        std::deque<Batch> passed;
        {
            std::unique_lock lock(m_mutex);
            m_changed.wait(lock, [this] { return m_closing || m_queue.size() < m_queuedBatches; });
            if (m_closing)
                return false;
            passed.swap(m_spent);
        }
        return true; // the passed items end here, outside the lock
    }

    // An emptied batch handed back by the taker, its items ended here, on the
    // producer's thread (the taker's is the busier one); a new one when none is.
    Batch takeSpent()
    {
        Batch spent;
        {
            std::lock_guard lock(m_mutex);
            if (m_spent.empty())
                return spent;
            spent.swap(m_spent.front());
            m_spent.pop_front();
        }
        spent.clear();
        return spent;
    }

    const std::size_t m_batchItems;
    const std::size_t m_queuedBatches;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<Batch> m_queue;
    std::deque<Batch> m_spent; // taken batches, back to the producer
    bool m_finished = false; // the producer has returned or failed
    bool m_closing = false;
    std::exception_ptr m_failure;

    Batch m_batch; // the run's thread's own
    std::size_t m_next = 0;
    bool m_atEnd = false;
    std::thread m_producer;
};

} // namespace qxmxz

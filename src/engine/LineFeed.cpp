#include "LineFeed.h"

#include "platform/sql/Connection.h"
#include "platform/sql/RecordSet.h"

namespace qxmxz {

namespace {

// Lines a batch and batches in the queue: enough to keep the writer busy
// while the reader waits on the database, small enough to hold next to the
// grid (about a thousand lines).
constexpr std::size_t BatchLines = 128;
constexpr std::size_t QueuedBatches = 8;

} // namespace

LineFeed::LineFeed(const Connection &database, Query query)
{
    m_reader = std::thread([this, &database, query = std::move(query)] { read(database, query); });
}

LineFeed::~LineFeed()
{
    close();
}

void LineFeed::close()
{
    {
        std::lock_guard lock(m_mutex);
        m_closing = true;
        m_queue.clear();
    }
    m_changed.notify_all();
    if (m_reader.joinable())
        m_reader.join();
    m_atEnd = true;
    m_batch.clear();
}

void LineFeed::read(const Connection &database, const Query &query)
{
    try {
        // The sibling connection lives and dies on this thread.
        const std::unique_ptr<Connection> own = database.openSibling();
        RecordSet source = query(*own);
        const VoucherLineReader reader(source);
        Batch batch;
        batch.reserve(BatchLines);
        for (; !source.eof(); source.moveNext()) {
            batch.emplace_back();
            reader.read(source, batch.back());
            if (batch.size() == BatchLines) {
                if (!push(std::move(batch)))
                    break;
                batch = Batch();
                batch.reserve(BatchLines);
            }
        }
        if (!batch.empty())
            push(std::move(batch));
        source.close();
    } catch (...) {
        std::lock_guard lock(m_mutex);
        m_failure = std::current_exception();
    }
    {
        std::lock_guard lock(m_mutex);
        m_finished = true;
    }
    m_changed.notify_all();
}

bool LineFeed::push(Batch &&batch)
{
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [this] { return m_closing || m_queue.size() < QueuedBatches; });
    if (m_closing)
        return false;
    m_queue.push_back(std::move(batch));
    lock.unlock();
    m_changed.notify_all();
    return true;
}

const VoucherLine *LineFeed::current()
{
    while (!m_atEnd && m_next >= m_batch.size()) {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [this] { return !m_queue.empty() || m_finished; });
        if (!m_queue.empty()) {
            m_batch = std::move(m_queue.front());
            m_queue.pop_front();
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

void LineFeed::moveNext()
{
    if (current())
        ++m_next;
}

} // namespace qxmxz

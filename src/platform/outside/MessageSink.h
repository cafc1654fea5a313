#pragma once

#include <QList>
#include <QString>
#include <functional>

namespace qxmxz {

// One message box the component raised: its prompt, button-and-icon code
// (0 OK, 16 OK with the stop icon, 64 OK with the information icon …), title,
// help file and context.
struct MessageBoxRequest {
    QString prompt;
    int buttons = 0;
    QString title;
    QString helpFile;
    int helpContext = 0;
};

// Where message boxes go: a window host shows them, the command line prints
// them to stderr, tests read them back. Returns the button pressed (1 = OK).
class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual int show(const MessageBoxRequest &request) = 0;
};

// Keeps every box; answers OK.
class RecordingMessageSink : public MessageSink {
public:
    int show(const MessageBoxRequest &request) override
    {
        m_messages.append(request);
        return 1;
    }
    const QList<MessageBoxRequest> &messages() const { return m_messages; }
    void clear() { m_messages.clear(); }

private:
    QList<MessageBoxRequest> m_messages;
};

// Hands each box to a function (the command line's stderr printer).
class CallbackMessageSink : public MessageSink {
public:
    explicit CallbackMessageSink(std::function<void(const MessageBoxRequest &)> callback)
        : m_callback(std::move(callback)) {}
    int show(const MessageBoxRequest &request) override
    {
        m_callback(request);
        return 1;
    }

private:
    std::function<void(const MessageBoxRequest &)> m_callback;
};

} // namespace qxmxz

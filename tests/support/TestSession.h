#pragma once

#include <QString>
#include <memory>

#include "platform/outside/GlPublic.h"
#include "platform/outside/Login.h"
#include "platform/outside/MessageSink.h"
#include "platform/sql/SqlDialect.h"

namespace qxmxz::test {

// A logged-in session for a test: the login, the general-ledger object and
// the message boxes it raised (`messages`, also in pub.recordedMessages()).
struct TestSession {
    std::shared_ptr<Login> login;
    RecordingMessageSink messages;
    GlPublic pub;
};

// A session on the shared demo company of the backend (read only: change
// nothing in it), as a user of the demo.
// `year` 0 is the account set's current year; the demo also keeps the closed
// year before it.
std::unique_ptr<TestSession> openDemoSession(Backend backend, const QString &user = QStringLiteral("demo"),
                                             const QString &language = QStringLiteral("zh-CN"), int year = 0);

// A session on a fresh copy of the demo company that the test may change.
std::unique_ptr<TestSession> openScratchDemoSession(Backend backend, const QString &user = QStringLiteral("demo"),
                                                    const QString &language = QStringLiteral("zh-CN"));

// A session on any database.
std::unique_ptr<TestSession> openSession(std::shared_ptr<Connection> connection, const QString &user,
                                         const QString &language = QStringLiteral("zh-CN"), int year = 0);

// Every row of a working table of the session's local database, each field as text.
QList<QStringList> workingTableRows(GlPublic &pub, const QString &table);

} // namespace qxmxz::test

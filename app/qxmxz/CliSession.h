#pragma once

#include <QTextStream>
#include <memory>

#include "CliArguments.h"
#include "platform/outside/GlPublic.h"
#include "platform/outside/Login.h"
#include "platform/outside/MessageSink.h"

namespace qxmxz::cli {

// The database of the demo company the command line uses without --db: an
// SQLite file under the user's data folder (or $QXMXZ_DEMO_DB), created on
// first use. Returns its URL.
QString demoDatabaseUrl(QTextStream &err, const QString &language = {});
// The URL of --db: a URL as given, a plain path as an SQLite file. Throws for
// an SQLite path that is a folder, missing, or not a database.
QString databaseUrlOf(const QString &target);
void checkSqliteFile(const QString &path);

// A logged-in session for one command: the login, the general-ledger object,
// and message boxes printed to stderr as "title: text".
class CliSession {
public:
    static std::unique_ptr<CliSession> open(const CliArguments &args, QTextStream &err);

    GlPublic &pub() { return m_pub; }
    Login &login() { return *m_login; }

private:
    explicit CliSession(QTextStream &err);

    CallbackMessageSink m_sink;
    std::shared_ptr<Login> m_login;
    GlPublic m_pub;
};

} // namespace qxmxz::cli

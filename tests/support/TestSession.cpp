#include "TestSession.h"

#include "TestDatabases.h"
#include "install/AccountingDatabase.h"
#include "platform/sql/Connection.h"

namespace qxmxz::test {

std::unique_ptr<TestSession> openSession(std::shared_ptr<Connection> connection, const QString &user,
                                         const QString &language)
{
    auto session = std::make_unique<TestSession>();
    LoginRequest request;
    request.userId = user;
    request.language = language;
    session->login = Login::logIn(std::move(connection), request);
    session->pub.setMessageSink(&session->messages);
    session->pub.setLogin(session->login);
    return session;
}

std::unique_ptr<TestSession> openDemoSession(Backend backend, const QString &user, const QString &language)
{
    return openSession(std::shared_ptr<Connection>(openDemo(backend)), user, language);
}

std::unique_ptr<TestSession> openScratchDemoSession(Backend backend, const QString &user, const QString &language)
{
    std::shared_ptr<Connection> connection(createScratchDatabase(backend));
    db::loadDemoCompany(*connection);
    return openSession(std::move(connection), user, language);
}

} // namespace qxmxz::test

#include "TestSession.h"

#include "TestDatabases.h"
#include "install/AccountingDatabase.h"
#include "platform/sql/Connection.h"
#include "platform/sql/LocalDatabase.h"
#include "platform/sql/LocalRecordSet.h"

namespace qxmxz::test {

std::unique_ptr<TestSession> openSession(std::shared_ptr<Connection> connection, const QString &user,
                                         const QString &language, int year)
{
    auto session = std::make_unique<TestSession>();
    LoginRequest request;
    request.userId = user;
    request.language = language;
    request.year = year;
    session->login = Login::logIn(std::move(connection), request);
    session->pub.setMessageSink(&session->messages);
    session->pub.setLogin(session->login);
    return session;
}

std::unique_ptr<TestSession> openDemoSession(Backend backend, const QString &user, const QString &language, int year)
{
    return openSession(std::shared_ptr<Connection>(openDemo(backend)), user, language, year);
}

std::unique_ptr<TestSession> openScratchDemoSession(Backend backend, const QString &user, const QString &language)
{
    std::shared_ptr<Connection> connection(createScratchDatabase(backend));
    db::loadDemoCompany(*connection);
    return openSession(std::move(connection), user, language);
}

QList<QStringList> workingTableRows(GlPublic &pub, const QString &table)
{
    QList<QStringList> rows;
    DynasetRecordSet rs = pub.localDatabase().openDynaset(table);
    for (rs.moveFirst(); !rs.eof(); rs.moveNext()) {
        QStringList row;
        for (int j = 0; j < rs.fieldCount(); ++j)
            row << rs.field(j).toString();
        rows << row;
    }
    return rows;
}

} // namespace qxmxz::test

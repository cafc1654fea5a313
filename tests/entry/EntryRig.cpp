#include "EntryRig.h"

#include "platform/outside/ReportFacade.h"

#include "entry/LoginContext.h"
#include "install/AccountingDatabase.h"
#include "platform/outside/Login.h"
#include "platform/sql/Connection.h"
#include "services/AccountingYear.h"
#include "support/TestDatabases.h"

namespace qxmxz::test {

namespace {

std::unique_ptr<LoginObject> loginObject(std::shared_ptr<Connection> connection, const QString &user)
{
    LoginRequest request;
    request.userId = user;
    request.language = QStringLiteral("zh-CN");
    return std::make_unique<LoginObject>(Login::logIn(std::move(connection), request));
}

} // namespace

std::unique_ptr<LoginObject> demoLoginObject(Backend backend, const QString &user)
{
    return loginObject(std::shared_ptr<Connection>(openDemo(backend)), user);
}

std::unique_ptr<LoginObject> scratchLoginObject(Backend backend, const QString &user)
{
    std::shared_ptr<Connection> connection(createScratchDatabase(backend));
    db::loadDemoCompany(*connection);
    return loginObject(std::move(connection), user);
}

void resetComponent()
{
    LoginContext::release();
    LoginContext::setWindowHost(nullptr);
    LoginContext::setVoucherDrillDown(false);
    setAccountingYear(0);
    ReportFacade::forgetReceived();
}

} // namespace qxmxz::test

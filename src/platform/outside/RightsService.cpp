#include "RightsService.h"

#include "Login.h"
#include "platform/Failure.h"
#include "platform/sql/Connection.h"
#include "platform/sql/SqlText.h"

namespace qxmxz {

RightsService RightsService::forLogin(const Login &login)
{
    RightsService service;
    service.initialise(login.sharedConnection(), login.userId());
    return service;
}

void RightsService::initialise(std::shared_ptr<Connection> connection, const QString &userId)
{
    m_connection = std::move(connection);
    m_userId = userId;
}

void RightsService::requireInitialised() const
{
    if (!m_connection)
        throw Failure(QStringLiteral("The rights service was asked before it was initialised"));
}

bool RightsService::isRestricted(const QString &objectName) const
{
    requireInitialised();
    RecordSet rows = m_connection->query(QStringLiteral("select 1 as restricted from ua_dataauth where cUser_id = N'")
                                         + sqlQuoted(m_userId) + QStringLiteral("' and cObjectName = N'")
                                         + sqlQuoted(objectName) + QStringLiteral("'"));
    return !rows.eof();
}

QString RightsService::authoritySql(const QString &objectName, const QString &rightLetter) const
{
    if (!isRestricted(objectName))
        return {};
    // Distinct: a code listed twice must not double the rows the callers join it to.
    return QStringLiteral("select distinct cACCode from ua_dataauth where cUser_id = N'") + sqlQuoted(m_userId)
           + QStringLiteral("' and cObjectName = N'") + sqlQuoted(objectName) + QStringLiteral("' and cRight = N'")
           + sqlQuoted(rightLetter) + QStringLiteral("'");
}

} // namespace qxmxz

#include "RightsRestriction.h"

#include "platform/Failure.h"
#include "platform/outside/GlPublic.h"
#include "platform/outside/Login.h"
#include "platform/outside/RightsService.h"

namespace qxmxz {

bool HasRightsRestriction(GlPublic &pub, quint8 dimension)
{
    if (dimension > 2)
        return false;
    const std::shared_ptr<Login> login = pub.login();
    if (!login)
        throw Failure(QStringLiteral("A rights restriction was asked without a login"));
    const RightsService service = RightsService::forLogin(*login);
    switch (dimension) {
    case 0:
        return !service.authoritySql(QStringLiteral("code"), QStringLiteral("R")).isEmpty();
    case 1:
        return !service.authoritySql(QStringLiteral("department"), QStringLiteral("R")).isEmpty();
    default:
        return service.isRestricted(QStringLiteral("fitem"));
    }
}

} // namespace qxmxz

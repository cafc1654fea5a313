#include "LedgerAccess.h"

#include "platform/outside/GlPublic.h"
#include "platform/outside/Login.h"
#include "services/DataRightChecks.h"

namespace qxmxz {

namespace {

bool accountRightsUnderControl(const GlPublic &pub)
{
    return pub.options().accountRightsControlled && pub.login() && !pub.login()->exemptFromAccountRights();
}

} // namespace

bool mayReadAccountTree(GlPublic &pub, const QString &code, QString &message)
{
    if (!accountRightsUnderControl(pub))
        return true;
    return CheckCodeRight(pub, DataRightKind::Accounts, code, message);
}

bool mayReadAccountRange(GlPublic &pub, const QString &start, const QString &end, QString &message)
{
    if (!accountRightsUnderControl(pub))
        return true;
    return CheckCodeRangeRight(pub, DataRightKind::Accounts, start, end, message);
}

} // namespace qxmxz

#include "QueryRightCheck.h"

#include "platform/Failure.h"
#include "platform/outside/GlPublic.h"
#include "platform/outside/Login.h"
#include "platform/outside/RightsService.h"
#include "platform/sql/Connection.h"
#include "platform/sql/SqlText.h"
#include "presentation/RightsRestriction.h"
#include "services/MessageTitles.h"
#include "totals/TextsAndMessages.h"

namespace qxmxz {

namespace {

constexpr int InformationStyle = 64;

} // namespace

bool CheckQueryRight(GlPublic &pub, bool isList, const QString &code, const QStringList &codes)
{
    const std::shared_ptr<Login> login = pub.login();
    if (!login)
        throw Failure(QStringLiteral("A query right was asked without a login"));
    if (!pub.options().accountRightsControlled || !HasRightsRestriction(pub, 0) || login->exemptFromAccountRights())
        return true;
    const QString readable =
        RightsService::forLogin(*login).authoritySql(QStringLiteral("code"), QStringLiteral("R"));
    for (const QString &c : isList ? codes : QStringList{code}) {
        RecordSet row = pub.database().query(QStringLiteral("Select Ta.* from (") + readable
                                             + QStringLiteral(") Ta where Ta.cACCode = N'") + sqlQuoted(c)
                                             + QStringLiteral("'"));
        if (!row.eof())
            continue;
        if (isList)
            raiseMessage(pub, Module::clsMxz, QStringLiteral("R7.GL.QXMXZ.clsmxz.nohavequeryright"), {c},
                         InformationStyle);
        else
            ShowMsg(pub, GetResString(pub, QStringLiteral("R7.GL.QXMXZ.clsmxz.noqueryright")), InformationStyle,
                    GetResString(pub, QStringLiteral("R7.GL.clscoderemark.notesinfo")));
        return false;
    }
    return true;
}

} // namespace qxmxz

#include "HeldRight.h"

#include "AccountingYear.h"
#include "platform/outside/GlPublic.h"
#include "platform/outside/Login.h"
#include "platform/sql/Connection.h"
#include "platform/sql/SqlText.h"

namespace qxmxz {

QString heldRightStatement(const QString &accountSetId, int year, const QString &userId, const QString &rightId)
{
    const QString account = sqlQuoted(accountSetId);
    const QString user = sqlQuoted(userId);
    const QString right = sqlQuoted(rightId);
    const QString y = QString::number(year);
    const QString direct = QStringLiteral("select cAuth_Id from ua_holdauth where cAcc_id = N'") + account
                           + QStringLiteral("' and iYear = ") + y + QStringLiteral(" and cUser_id  = N'") + user
                           + QStringLiteral("' and iIsUser = 1 and cAuth_id = N'") + right + QStringLiteral("'");
    const QString byRole =
        QStringLiteral("select ua_holdauth.cAuth_Id from ua_role inner join ua_holdauth on ua_role.cgroup_id =  ")
        + QStringLiteral(" ua_holdauth.cUser_id where ua_holdauth.cAcc_id  = N'") + account
        + QStringLiteral("' and ua_holdauth.iYear = ") + y
        + QStringLiteral(" and ua_holdauth.iIsUser = 0 and ua_holdauth.cAuth_id = N'") + right
        + QStringLiteral("' and ua_role.cUser_id = N'") + user + QStringLiteral("'");
    return QStringLiteral("(") + direct + QStringLiteral(") union (") + byRole + QStringLiteral(")");
}

bool holdsRight(GlPublic &pub, const QString &rightId)
{
    const std::shared_ptr<Login> login = pub.login();
    if (!login)
        return false;
    const int year = AccountingYear(login.get());
    RecordSet held =
        pub.database().query(heldRightStatement(login->accountSetId(), year, login->userId(), rightId));
    return !held.eof();
}

} // namespace qxmxz

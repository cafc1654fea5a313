#include "LedgerAccess.h"

#include "platform/outside/GlPublic.h"
#include "platform/outside/Login.h"
#include "platform/Failure.h"
#include "platform/outside/RightsService.h"
#include "platform/sql/Connection.h"
#include "platform/sql/SqlText.h"
#include "services/DataRightChecks.h"
#include "totals/TextsAndMessages.h"

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

bool mayReadAccountGrades(GlPublic &pub, bool endAccountsOnly, quint8 firstGrade, quint8 lastGrade,
                          const QString &start, const QString &end, QString &message)
{
    if (!accountRightsUnderControl(pub))
        return true;
    return endAccountsOnly ? CheckGradeRight(pub, QStringLiteral("EndGrade"), message, start, end, 0, 0)
                           : CheckGradeRight(pub, QStringLiteral("Grade"), message, start, end, firstGrade, lastGrade);
}

bool mayReadLineDepartments(GlPublic &pub, const QString &start, const QString &end, QString &message)
{
    const std::shared_ptr<Login> login = pub.login();
    if (!login)
        throw Failure(QStringLiteral("A department right was asked without a login"));
    const QString authority =
        RightsService::forLogin(*login).authoritySql(QStringLiteral("department"), QStringLiteral("R"));
    if (authority.isEmpty())
        return true;
    for (const QString &code : {start, end})
        if (!code.isEmpty() && !isPlainCode(code)) {
            message = GetResString(pub, QStringLiteral("R7.GL.QXMXZ.mxzdll.operatornoright"), {code});
            return false;
        }
    const QString first = sqlLikePrefix(start);
    const QString last = sqlLikePrefix(end.isEmpty() ? start : end);
    const QString accounts = end.isEmpty()
                                 ? QStringLiteral("ccode like N'") + first + QStringLiteral("%'")
                                 : QStringLiteral("ccode >= N'") + first + QStringLiteral("' and (ccode <= N'") + last
                                       + QStringLiteral("' or ccode like N'") + last + QStringLiteral("%')");
    RecordSet refused = pub.database().query(
        QStringLiteral("select Tv.cdept_id as DepId,Td.cDepName as DepName from (select distinct cdept_id from GL_accvouch"
                       " where iyear = ")
        + QString::number(login->yearNumber()) + QStringLiteral(" and cdept_id is not null and ") + accounts
        + QStringLiteral(") Tv left outer join (") + authority
        + QStringLiteral(") Tc on Tv.cdept_id = Tc.cACCode left outer join department Td on Td.cDepCode = Tv.cdept_id"
                         " where Tc.cACCode is null order by Tv.cdept_id"));
    if (refused.eof())
        return true;
    const QString name = refused.text(QStringLiteral("DepName"));
    message = GetResString(pub, QStringLiteral("R7.GL.QXMXZ.mxzdll.operatornodepright"),
                           {name.isEmpty() ? refused.text(QStringLiteral("DepId")) : name});
    return false;
}

} // namespace qxmxz

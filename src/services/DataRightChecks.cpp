#include "DataRightChecks.h"

#include "platform/Failure.h"
#include "platform/outside/GlPublic.h"
#include "platform/outside/Login.h"
#include "platform/outside/RightsService.h"
#include "platform/sql/Connection.h"
#include "platform/sql/SqlText.h"
#include "totals/TextsAndMessages.h"

namespace qxmxz {

namespace {

QString authorityOf(GlPublic &pub, DataRightKind kind)
{
    const std::shared_ptr<Login> login = pub.login();
    if (!login)
        throw Failure(QStringLiteral("A data right was asked without a login"));
    return RightsService::forLogin(*login).authoritySql(authorityObjectName(kind), QStringLiteral("R"));
}

// A code no account or department can have (a blank, a quote, a LIKE
// wildcard) is one the operator may not read: it is refused by name before
// it reaches a statement, where it could widen or rewrite the check.
bool refusesCraftedCode(GlPublic &pub, DataRightKind kind, const QStringList &codes, QString &message)
{
    for (const QString &code : codes) {
        if (code.isEmpty() || isPlainCode(code))
            continue;
        message = GetResString(pub,
                               kind == DataRightKind::Accounts ? QStringLiteral("R7.GL.QXMXZ.mxzdll.operatornoright")
                                                               : QStringLiteral("R7.GL.QXMXZ.mxzdll.operatornodepright"),
                               {code});
        return true;
    }
    return false;
}

bool walk(GlPublic &pub, DataRightKind kind, const QString &statement, QString &message)
{
    RecordSet rows = pub.database().query(statement);
    for (rows.moveFirst(); !rows.eof(); rows.moveNext()) {
        if (!rows.isNull(QStringLiteral("Authid")))
            continue;
        if (kind == DataRightKind::Accounts)
            message = GetResString(pub, QStringLiteral("R7.GL.QXMXZ.mxzdll.operatornoright"),
                                   {rows.field(QStringLiteral("CodeId"))});
        else
            message = GetResString(pub, QStringLiteral("R7.GL.QXMXZ.mxzdll.operatornodepright"),
                                   {rows.field(QStringLiteral("cDepName"))});
        return false;
    }
    return true;
}

} // namespace

bool CheckCodeRight(GlPublic &pub, DataRightKind kind, const QString &prefix, QString &message)
{
    const QString authority = authorityOf(pub, kind);
    if (authority.isEmpty())
        return true;
    if (refusesCraftedCode(pub, kind, {prefix}, message))
        return false;
    return walk(pub, kind, codeRightStatement(kind, prefix, authority), message);
}

bool CheckCodeRangeRight(GlPublic &pub, DataRightKind kind, const QString &start, const QString &end,
                         QString &message, const QString &extraCondition)
{
    const QString authority = authorityOf(pub, kind);
    if (authority.isEmpty())
        return true;
    if (refusesCraftedCode(pub, kind, {start, end}, message))
        return false;
    return walk(pub, kind, codeRangeRightStatement(kind, start, end, authority, extraCondition), message);
}

bool CheckGradeRight(GlPublic &pub, const QString &mode, QString &message, const QString &start, const QString &end,
                     quint8 startGrade, quint8 endGrade)
{
    const QString authority = authorityOf(pub, DataRightKind::Accounts);
    if (authority.isEmpty())
        return true;
    if (refusesCraftedCode(pub, DataRightKind::Accounts, {start, end}, message))
        return false;
    return walk(pub, DataRightKind::Accounts, gradeRightStatement(mode, start, end, startGrade, endGrade, authority),
                message);
}

} // namespace qxmxz

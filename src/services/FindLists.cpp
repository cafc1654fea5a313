#include "FindLists.h"

#include <algorithm>

#include "AccountingYear.h"
#include "platform/outside/GlPublic.h"
#include "platform/outside/Login.h"
#include "platform/sql/Connection.h"
#include "platform/sql/SqlText.h"

namespace qxmxz {

namespace {

QList<FindListEntry> entries(GlPublic &pub, const QString &sql, const QString &code, const QString &text)
{
    QList<FindListEntry> list;
    for (RecordSet rs = pub.database().query(sql); !rs.eof(); rs.moveNext())
        list << FindListEntry{rs.text(code).trimmed(), rs.text(text).trimmed()};
    return list;
}

} // namespace

QString findUsersStatement(const QString &accountSetId, int year)
{
    const QString account = sqlQuoted(accountSetId);
    const QString y = QString::number(year);
    const QString direct =
        QStringLiteral("select distinct(a.cuser_id),a.cuser_name from UA_User a inner join UA_Holdauth b on a.cuser_id =b.cuser_id ")
        + QStringLiteral(" where a.iadmin=0 and b.cacc_id =N'") + account + QStringLiteral("' and b.iyear = ") + y
        + QStringLiteral(" and b.iIsUser = 1 ");
    const QString byRole =
        QStringLiteral("select Distinct UA_User.cUser_id, UA_User.cUser_Name from UA_User Inner join UA_Role on UA_User.cUser_id = ")
        + QStringLiteral(" UA_Role.cUser_id Inner join UA_HoldAuth on UA_Role.cGroup_Id = UA_HoldAuth.cUser_Id  where UA_User.iAdmin = 0 and ")
        + QStringLiteral(" UA_Holdauth.cAcc_id = N'") + account + QStringLiteral("' and UA_Holdauth.iYear = ") + y
        + QStringLiteral(" and UA_HoldAuth.iIsUser = 0 ");
    return QStringLiteral("(") + direct + QStringLiteral(") union (") + byRole + QStringLiteral(")");
}

QList<FindListEntry> findUsers(GlPublic &pub)
{
    const std::shared_ptr<Login> login = pub.login();
    if (!login)
        return {};
    RecordSet rs = pub.database().query(findUsersStatement(login->accountSetId(), AccountingYear(login.get())));
    QList<FindListEntry> users;
    for (; !rs.eof(); rs.moveNext())
        users << FindListEntry{rs.field(0).toString().trimmed(), rs.field(1).toString().trimmed()};
    std::sort(users.begin(), users.end(), [](const FindListEntry &a, const FindListEntry &b) { return a.text < b.text; });
    return users;
}

QList<FindListEntry> sourceSystems(GlPublic &pub)
{
    return entries(pub, QStringLiteral("select * from GL_msysname where sysid<>'PU' "), QStringLiteral("sysID"),
                   QStringLiteral("Sysname"));
}

QList<FindListEntry> voucherTypes(GlPublic &pub)
{
    return entries(pub, QStringLiteral("select csign,ctext from dsign order by isignseq"), QStringLiteral("csign"),
                   QStringLiteral("ctext"));
}

QList<FindListEntry> settlementMethods(GlPublic &pub)
{
    return entries(pub, QStringLiteral("select csscode,cssname from settlestyle order by csscode"),
                   QStringLiteral("csscode"), QStringLiteral("cssname"));
}

} // namespace qxmxz

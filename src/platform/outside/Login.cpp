#include "Login.h"

#include "platform/Failure.h"
#include "platform/sql/Connection.h"
#include "platform/sql/SqlText.h"

namespace qxmxz {

std::shared_ptr<Login> Login::logIn(const LoginRequest &request)
{
    std::shared_ptr<Connection> connection(Connection::open(request.databaseUrl));
    return logIn(std::move(connection), request);
}

std::shared_ptr<Login> Login::logIn(std::shared_ptr<Connection> connection, const LoginRequest &request)
{
    std::shared_ptr<Login> login(new Login);
    login->m_connection = std::move(connection);
    login->m_language = request.language;
    login->m_appPath = request.appPath;
    login->m_alternate = request.alternateSubsystem;

    Connection &db = *login->m_connection;
    for (const char *table : {"code", "GL_accvouch", "GL_accsum", "UA_User", "gl_options"})
        if (!db.hasTable(QString::fromLatin1(table)))
            throw Failure::withKey(QStringLiteral("QXMXZ.cli.missingtable"), {QString::fromLatin1(table)},
                                   QStringLiteral("The accounting database has no table %1").arg(QString::fromLatin1(table)));

    RecordSet options = db.query(QStringLiteral("select cname,cvalue from gl_options"));
    for (; !options.eof(); options.moveNext()) {
        const QString name = options.text(QStringLiteral("cname"));
        if (name.compare(QLatin1String("AccountSetId"), Qt::CaseInsensitive) == 0)
            login->m_accountSetId = options.text(QStringLiteral("cvalue"));
        else if (name.compare(QLatin1String("Year"), Qt::CaseInsensitive) == 0 && request.year == 0)
            login->m_year = options.field(QStringLiteral("cvalue")).toInt();
    }
    if (request.year != 0)
        login->m_year = request.year;

    RecordSet user = db.query(QStringLiteral("select cUser_Name,iAdmin,bAccRightExempt from UA_User where cUser_Id = N'")
                              + sqlQuoted(request.userId) + QStringLiteral("'"));
    if (user.eof())
        throw Failure::withKey(QStringLiteral("QXMXZ.cli.unknownuser"), {request.userId},
                               QStringLiteral("Unknown user %1").arg(request.userId));
    login->m_userId = request.userId;
    login->m_userName = user.text(QStringLiteral("cUser_Name"));
    login->m_administrator = user.field(QStringLiteral("iAdmin")).toInt() == 1;
    login->m_exempt = user.field(QStringLiteral("bAccRightExempt")).toInt() == 1;
    return login;
}

bool Login::checkRight(const QString &rightId, bool, int, bool &held)
{
    clearError();
    if (m_administrator) {
        held = true;
        return true;
    }
    const QString account = sqlQuoted(m_accountSetId);
    const QString right = sqlQuoted(rightId);
    const QString user = sqlQuoted(m_userId);
    const QString year = QString::number(m_year);
    RecordSet direct = m_connection->query(
        QStringLiteral("select 1 as found from ua_holdauth where cAcc_id = N'") + account + QStringLiteral("' and iYear = ") + year
        + QStringLiteral(" and cUser_id = N'") + user + QStringLiteral("' and iIsUser = 1 and cAuth_id = N'") + right
        + QStringLiteral("' union select 1 as found from UA_Role inner join ua_holdauth on UA_Role.cGroup_Id = ua_holdauth.cUser_id")
        + QStringLiteral(" where ua_holdauth.cAcc_id = N'") + account + QStringLiteral("' and ua_holdauth.iYear = ") + year
        + QStringLiteral(" and ua_holdauth.iIsUser = 0 and ua_holdauth.cAuth_id = N'") + right
        + QStringLiteral("' and UA_Role.cUser_Id = N'") + user + QStringLiteral("'"));
    held = !direct.eof();
    if (held)
        return true;
    // Whether the account set keeps function rights is a property of the account
    // set, not of a year: a year without rows (a closed year kept for some users
    // only, or none) refuses rather than opening every right to everyone.
    RecordSet any = m_connection->query(QStringLiteral("select 1 as found from ua_holdauth where cAcc_id = N'") + account
                                        + QStringLiteral("'"));
    if (any.eof()) {
        m_errorNumber = RightsNotKept;
        m_errorText = QStringLiteral("The account set keeps no function rights");
        return false;
    }
    m_errorNumber = NoRight;
    m_errorText.clear();
    return false;
}

void Login::clearError()
{
    m_errorNumber = 0;
    m_errorText.clear();
}

} // namespace qxmxz

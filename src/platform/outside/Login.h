#pragma once

#include <QString>
#include <memory>

namespace qxmxz {

class Connection;

// What a host (or the command line) logs in with.
struct LoginRequest {
    QString databaseUrl;   // sqlite:PATH, postgresql://…, odbc:DSN
    QString userId;        // a user of UA_User
    int year = 0;          // 0: the account set's current year (option "Year")
    QString language;      // "zh-CN", "en-us" or empty (Chinese)
    QString appPath;       // the application's base folder (help files lie under it)
    bool alternateSubsystem = false;
};

// The logged-in user of one account set and year: the connection to the
// accounting database, the user's identity, and the function-right check with
// the error state a refused check leaves behind.
class Login {
public:
    // Error numbers of a refused right check.
    static constexpr int NoRight = 20;
    // The account set keeps no function rights in any year: checks let the operation go on.
    static constexpr int RightsNotKept = 22;

    // Opens the database and identifies the user. Throws a Failure (key
    // "QXMXZ.cli.unknownuser" for a user the account set does not know).
    static std::shared_ptr<Login> logIn(const LoginRequest &request);
    // A login over a connection the caller already holds.
    static std::shared_ptr<Login> logIn(std::shared_ptr<Connection> connection, const LoginRequest &request);

    QString year() const { return QString::number(m_year); }
    int yearNumber() const { return m_year; }
    QString userId() const { return m_userId; }
    QString userName() const { return m_userName; }
    QString accountSetId() const { return m_accountSetId; }
    QString language() const { return m_language; }
    QString appPath() const { return m_appPath; }
    bool isAdministrator() const { return m_administrator; }
    bool exemptFromAccountRights() const { return m_exempt; }
    bool alternateSubsystem() const { return m_alternate; }

    Connection &connection() const { return *m_connection; }
    std::shared_ptr<Connection> sharedConnection() const { return m_connection; }

    // Checks a function right, held directly (ua_holdauth with iIsUser = 1)
    // or through a role (UA_Role membership and ua_holdauth with iIsUser = 0).
    // `held` receives the answer; a refusal sets the error number and text.
    // `allowOwnMessage` and `reserved` are accepted for hosts that pass them;
    // this login never shows a message of its own.
    bool checkRight(const QString &rightId, bool allowOwnMessage, int reserved, bool &held);
    int errorNumber() const { return m_errorNumber; }
    QString errorText() const { return m_errorText; }
    void clearError();

private:
    Login() = default;

    std::shared_ptr<Connection> m_connection;
    int m_year = 0;
    QString m_userId;
    QString m_userName;
    QString m_accountSetId;
    QString m_language;
    QString m_appPath;
    bool m_administrator = false;
    bool m_exempt = false;
    bool m_alternate = false;
    int m_errorNumber = 0;
    QString m_errorText;
};

} // namespace qxmxz

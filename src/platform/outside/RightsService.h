#pragma once

#include <QString>
#include <memory>

namespace qxmxz {

class Connection;
class Login;

// The data-rights service of the account set. A user with at least one row
// of ua_dataauth for an object ("code", "department", "fitem") is restricted
// on that object and may read only the codes listed there; a user without
// rows for it sees everything.
//
// It is initialised with the accounting database and the user before use, as
// the callers do before every check.
class RightsService {
public:
    RightsService() = default;
    // The service for a login's user on the login's database.
    static RightsService forLogin(const Login &login);

    void initialise(std::shared_ptr<Connection> connection, const QString &userId);
    bool isInitialised() const { return m_connection != nullptr; }
    const QString &userId() const { return m_userId; }

    // The SELECT whose column cACCode holds the codes of the object the user
    // may use with the right letter ("R" read, "W" write); an empty text when
    // the user is not restricted on the object. Throws a Failure when the
    // service was not initialised.
    QString authoritySql(const QString &objectName, const QString &rightLetter) const;
    // Whether the user is restricted on the object.
    bool isRestricted(const QString &objectName) const;

private:
    void requireInitialised() const;

    std::shared_ptr<Connection> m_connection;
    QString m_userId;
};

} // namespace qxmxz

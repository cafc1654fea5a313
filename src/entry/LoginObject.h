#pragma once

#include <QObject>
#include <memory>

namespace qxmxz {

class Login;

// The login object as a host hands it to the public class (ObjLogin): a
// logged-in user of one account set and year.
class LoginObject : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString userId READ userId CONSTANT)
    Q_PROPERTY(QString year READ year CONSTANT)

public:
    explicit LoginObject(std::shared_ptr<Login> login, QObject *parent = nullptr);

    std::shared_ptr<Login> login() const { return m_login; }
    QString userId() const;
    QString year() const;

private:
    std::shared_ptr<Login> m_login;
};

} // namespace qxmxz

#pragma once

#include <QObject>
#include <QPointer>
#include <memory>

#include "LoginObject.h"

namespace qxmxz {

class GlPublic;

// The general-ledger public object as the public class exposes it (MyZwPub):
// one GlPublic, given its login by name through the property oLogin.
class GlPublicObject : public QObject {
    Q_OBJECT
    Q_PROPERTY(qxmxz::LoginObject *oLogin READ oLogin WRITE setOLogin)

public:
    // A general-ledger object of its own, without a login yet.
    explicit GlPublicObject(QObject *parent = nullptr);
    // A host's general-ledger object.
    explicit GlPublicObject(std::shared_ptr<GlPublic> pub, QObject *parent = nullptr);
    ~GlPublicObject() override;

    GlPublic &pub() const { return *m_pub; }
    std::shared_ptr<GlPublic> sharedPub() const { return m_pub; }

    LoginObject *oLogin() const { return m_login; }
    // Hands the login to the general-ledger object, which reads the account
    // set's options, calendar and chart for the login's year (a Failure when
    // that year has no data).
    void setOLogin(LoginObject *login);

private:
    std::shared_ptr<GlPublic> m_pub;
    QPointer<LoginObject> m_login;
};

} // namespace qxmxz

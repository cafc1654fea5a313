#include "LoginObject.h"

#include "platform/outside/Login.h"

namespace qxmxz {

LoginObject::LoginObject(std::shared_ptr<Login> login, QObject *parent) : QObject(parent), m_login(std::move(login)) {}

QString LoginObject::userId() const
{
    return m_login ? m_login->userId() : QString();
}

QString LoginObject::year() const
{
    return m_login ? m_login->year() : QString();
}

} // namespace qxmxz

#include "GlPublicObject.h"

#include "platform/outside/GlPublic.h"

namespace qxmxz {

GlPublicObject::GlPublicObject(QObject *parent) : GlPublicObject(std::make_shared<GlPublic>(), parent) {}

GlPublicObject::GlPublicObject(std::shared_ptr<GlPublic> pub, QObject *parent) : QObject(parent), m_pub(std::move(pub))
{
}

GlPublicObject::~GlPublicObject() = default;

void GlPublicObject::setOLogin(LoginObject *login)
{
    m_pub->setLogin(login ? login->login() : nullptr);
    m_login = login;
}

} // namespace qxmxz

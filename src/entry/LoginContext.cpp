#include "LoginContext.h"

#include <QPointer>
#include <memory>

#include "GlPublicObject.h"
#include "LoginObject.h"
#include "WindowHost.h"

#include <QApplication>

#include "LedgerWindowHost.h"
#include "platform/ui/GridColor.h"

namespace qxmxz::LoginContext {

namespace {

struct Context {
    QPointer<LoginObject> login;
    QPointer<GlPublicObject> pub;
    std::unique_ptr<GlPublicObject> ownPub; // the one the component made, if any
    GridColours colours{};
    QString settingsKeyPath;
    StandardColumnWidths widths;
    bool voucherDrillDown = false;
    WindowHost *host = nullptr;
};

Context &context()
{
    static Context c;
    return c;
}

} // namespace

LoginObject *login()
{
    return context().login;
}

void setLogin(LoginObject *login)
{
    context().login = login;
}

GlPublicObject &publicObject()
{
    Context &c = context();
    if (!c.pub) {
        c.ownPub = std::make_unique<GlPublicObject>();
        c.pub = c.ownPub.get();
    }
    c.widths = LoadColumnWidths(c.pub->pub());
    return *c.pub;
}

GlPublicObject *existingPublicObject()
{
    return context().pub;
}

void setPublicObject(GlPublicObject *object)
{
    Context &c = context();
    c.pub = object;
    if (c.ownPub && c.ownPub.get() != object)
        c.ownPub.reset();
}

GridColours gridColours()
{
    return context().colours;
}

void resetGridColours()
{
    context().colours = {rgbValue(255, 255, 255), rgbValue(205, 208, 215), rgbValue(247, 237, 236),
                         rgbValue(238, 238, 214)};
}

QString settingsKeyPath()
{
    return context().settingsKeyPath;
}

void setSettingsKeyPath(const QString &path)
{
    context().settingsKeyPath = path;
}

StandardColumnWidths columnWidths()
{
    return context().widths;
}

void refreshColumnWidths()
{
    publicObject();
}

bool voucherDrillDown()
{
    return context().voucherDrillDown;
}

void setVoucherDrillDown(bool on)
{
    context().voucherDrillDown = on;
}

WindowHost *windowHost()
{
    // Without a host of its own, a host program that runs widgets gets the
    // component's windows; a headless one gets none.
    if (!context().host && qobject_cast<QApplication *>(QCoreApplication::instance())) {
        static LedgerWindowHost componentWindows;
        return &componentWindows;
    }
    return context().host;
}

void setWindowHost(WindowHost *host)
{
    context().host = host;
}

void release()
{
    Context &c = context();
    c.login = nullptr;
    c.pub = nullptr;
    c.ownPub.reset();
}

} // namespace qxmxz::LoginContext

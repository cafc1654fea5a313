#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include "GlPublicObject.h"
#include "LoginObject.h"

namespace qxmxz {

class Failure;
class GlPublic;

// The entry of the component: a host creates it, hands it its login object
// (and, if it has one, its general-ledger object) and asks it to display the
// detail ledger or the general ledger.
//
// A host binds by name: the properties and invokable methods below follow the
// member order, kinds and types of the interface _clsMxz; DispID.<member>
// records each member's dispatch identifier and "Entries" the order of the
// interface's entries. Business has no get accessor: it is a write-only
// property.
//
// The login object, the general-ledger object, the fiscal year, the grid
// colours, the settings key path and the column widths are shared by every
// instance (LoginContext, AccountingYear); isModal and Business belong to the
// instance.
//
// The display methods check the operator's rights first and refuse with the
// component's messages. The ledger itself is shown by the window host the
// windows of the component register; without one they say so and answer
// false. A failure inside a display method is shown as a message and the
// method answers false.
class clsMxz : public QObject {
    Q_OBJECT
    Q_CLASSINFO("TypeLibrary", "QxMxz")
    Q_CLASSINFO("LibraryID", "{6F287C9A-E9EF-4A1F-8315-BE0030FE4974}")
    Q_CLASSINFO("Version", "1.1")
    Q_CLASSINFO("Locale", "0x409")
    Q_CLASSINFO("HelpFile", "Qxmxz.hlp")
    Q_CLASSINFO("ClassID", "{AA43EAA6-512F-455A-92EC-08E87E0F741B}")
    Q_CLASSINFO("InterfaceID", "{28CCC333-5650-4B01-953F-CCF8A2843664}")
    Q_CLASSINFO("DefaultInterface", "_clsMxz")
    Q_CLASSINFO("ProgID", "QxMxz.clsMxz")
    Q_CLASSINFO("Entries", "ObjLogin get;ObjLogin set;MyZwPub get;MyZwPub set;iYear get;iYear let;mxzDisplay;"
                           "mxzDisplay1;ZzDisplay;isModal get;isModal let;Business set")
    Q_CLASSINFO("DispID.ObjLogin", "0x68030002")
    Q_CLASSINFO("DispID.MyZwPub", "0x68030001")
    Q_CLASSINFO("DispID.iYear", "0x68030000")
    Q_CLASSINFO("DispID.mxzDisplay", "0x60030003")
    Q_CLASSINFO("DispID.mxzDisplay1", "0x60030005")
    Q_CLASSINFO("DispID.ZzDisplay", "0x60030006")
    Q_CLASSINFO("DispID.isModal", "0x68030008")
    Q_CLASSINFO("DispID.Business", "0x68030007")

    Q_PROPERTY(qxmxz::LoginObject *ObjLogin READ ObjLogin WRITE setObjLogin)
    Q_PROPERTY(qxmxz::GlPublicObject *MyZwPub READ MyZwPub WRITE setMyZwPub)
    Q_PROPERTY(qint16 iYear READ iYear WRITE setIYear)
    Q_PROPERTY(bool isModal READ isModal WRITE setIsModal)
    Q_PROPERTY(QObject *Business WRITE setBusiness)

public:
    // Class initialisation: the grid colours, the general-ledger object if
    // there is none, and the settings key path read from it.
    Q_INVOKABLE explicit clsMxz(QObject *parent = nullptr);
    ~clsMxz() override;

    LoginObject *ObjLogin() const;
    // Stores the login object and hands it to the general-ledger object (read
    // through MyZwPub) by name, as its oLogin.
    void setObjLogin(LoginObject *login);
    // The general-ledger object, made when there is none; the column widths
    // are recomputed on every read.
    GlPublicObject *MyZwPub() const;
    void setMyZwPub(GlPublicObject *pub);
    // The year let, or the login's year while 0 is let; 0 without a login.
    qint16 iYear() const;
    void setIYear(qint16 year);

    // The detail ledger of one account (an optional qualifier after a blank)
    // for one period. With a window host KmStr receives "code name".
    Q_INVOKABLE bool mxzDisplay(QString &KmStr, quint8 &iPeriod, bool &bIbook);
    // The detail ledger of accounts "code|text/code|text …" for a period
    // number (one or two characters) or a date.
    Q_INVOKABLE bool mxzDisplay1(QString &KmStr, QString &cPeriod, bool &bIbook);
    // The general ledger of one account.
    Q_INVOKABLE bool ZzDisplay(QString &KmStr, bool &bIbook);

    bool isModal() const { return m_isModal; }
    void setIsModal(bool modal) { m_isModal = modal; }
    void setBusiness(QObject *business) { m_business = business; }
    // For hosts that link the class: the business object given (none by default).
    QObject *business() const { return m_business; }

private:
    GlPublic &pub() const;
    bool displayDetail(QString &KmStr, int period, bool bIbook, bool fromList);
    bool mayShowAccounts(const QStringList &codes);
    bool runReport(const QString &KmStr, int period, bool bIbook);
    bool noWindowHost();
    void refreshWidthsPassingOver();
    bool refuseFailure(const Failure &failure);

    bool m_isModal = false;
    QPointer<QObject> m_business;
};

} // namespace qxmxz

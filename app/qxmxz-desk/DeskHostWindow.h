#pragma once

#include <QWidget>
#include <memory>

class QCheckBox;
class QLineEdit;
class QSpinBox;

namespace qxmxz {

class GlPublic;
class GlPublicObject;
class LoginObject;

// The host's own window: who is logged in, the account, period and
// unposted switch of a request, and one button for each ledger. Like any
// host of the component it binds the public class by name: it creates
// "QxMxz.clsMxz" through the meta-object system, hands it its general-ledger
// object and login with setProperty before every request (closing a ledger
// lets them go) and calls the display methods with invokeMethod. Closing the
// ledger comes back here.
class DeskHostWindow : public QWidget {
    Q_OBJECT
public:
    explicit DeskHostWindow(GlPublic &pub, QWidget *parent = nullptr);
    ~DeskHostWindow() override;

    // The detail ledger of the accounts in the account box ("code" or
    // "code/code"), for the period chosen (mxzDisplay1).
    bool openDetailLedger();
    // The monthly comprehensive ledger: its condition dialog, in its second mode.
    void openMonthlyLedger();
    // The general ledger of the account in the box (ZzDisplay).
    bool openGeneralLedger();

    // The component object the host made by name.
    QObject *component() const { return m_component.get(); }
    QLineEdit *accountBox() const { return m_account; }
    QSpinBox *periodBox() const { return m_period; }
    QCheckBox *unpostedBox() const { return m_unposted; }

private:
    // Sets MyZwPub and ObjLogin on the component, as a host does before each request.
    bool handOver();

    GlPublic &m_pub;
    std::unique_ptr<QObject> m_component;
    std::unique_ptr<GlPublicObject> m_pubObject;
    std::unique_ptr<LoginObject> m_loginObject;
    QLineEdit *m_account = nullptr;
    QSpinBox *m_period = nullptr;
    QCheckBox *m_unposted = nullptr;
};

} // namespace qxmxz

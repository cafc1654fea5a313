#include "DeskHostWindow.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "entry/ComponentClasses.h"
#include "entry/GlPublicObject.h"
#include "entry/LoginObject.h"
#include "platform/outside/GlPublic.h"
#include "platform/outside/Login.h"
#include "services/CheckRight.h"
#include "windows/mxz.h"
#include "windows/mxzCond.h"

namespace qxmxz {

DeskHostWindow::DeskHostWindow(GlPublic &pub, QWidget *parent)
    : QWidget(parent), m_pub(pub), m_component(createComponentObject(QStringLiteral("QxMxz.clsMxz")))
{
    setWindowTitle(QStringLiteral("QxMxz"));
    // The host's general-ledger object is the session's; the host keeps it
    // alive, the component only borrows it.
    m_pubObject = std::make_unique<GlPublicObject>(std::shared_ptr<GlPublic>(std::shared_ptr<GlPublic>{}, &pub));
    m_loginObject = std::make_unique<LoginObject>(pub.login());

    auto *who = new QLabel(this);
    const std::shared_ptr<Login> login = pub.login();
    who->setText(pub.text(QStringLiteral("QXMXZ.desk.login"),
                          {login ? login->userName() : QString(), QString::number(pub.year())}));
    m_account = new QLineEdit(QStringLiteral("100201"), this);
    m_period = new QSpinBox(this);
    m_period->setRange(1, 12);
    m_period->setValue(1);
    m_unposted = new QCheckBox(this);
    auto *request = new QFormLayout;
    request->addRow(pub.text(QStringLiteral("R7.GL.QXMXZ.mxz.km")), m_account);
    request->addRow(pub.text(QStringLiteral("QXMXZ.desk.period")), m_period);
    request->addRow(pub.text(QStringLiteral("QXMXZ.desk.unposted")), m_unposted);

    auto button = [this](const char *key) {
        auto *b = new QPushButton(m_pub.text(QString::fromLatin1(key)), this);
        b->setMinimumHeight(36);
        return b;
    };
    QPushButton *detail = button("QXMXZ.desk.detail");
    QPushButton *monthly = button("QXMXZ.desk.monthly");
    QPushButton *general = button("QXMXZ.desk.general");
    QPushButton *quit = button("QXMXZ.window.close");
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(who);
    layout->addLayout(request);
    layout->addWidget(detail);
    layout->addWidget(monthly);
    layout->addWidget(general);
    layout->addStretch();
    layout->addWidget(quit);
    connect(detail, &QPushButton::clicked, this, &DeskHostWindow::openDetailLedger);
    connect(monthly, &QPushButton::clicked, this, &DeskHostWindow::openMonthlyLedger);
    connect(general, &QPushButton::clicked, this, &DeskHostWindow::openGeneralLedger);
    connect(quit, &QPushButton::clicked, this, &QWidget::close);
    resize(340, 340);
}

DeskHostWindow::~DeskHostWindow() = default;

bool DeskHostWindow::handOver()
{
    if (!m_component)
        return false;
    return m_component->setProperty("MyZwPub", QVariant::fromValue(m_pubObject.get()))
        && m_component->setProperty("ObjLogin", QVariant::fromValue(m_loginObject.get()));
}

bool DeskHostWindow::openDetailLedger()
{
    if (!handOver())
        return false;
    QString km = m_account->text().trimmed();
    QString period = QString::number(m_period->value());
    bool include = m_unposted->isChecked();
    bool shown = false;
    QMetaObject::invokeMethod(m_component.get(), "mxzDisplay1", Q_RETURN_ARG(bool, shown), Q_ARG(QString &, km),
                              Q_ARG(QString &, period), Q_ARG(bool &, include));
    return shown;
}

bool DeskHostWindow::openGeneralLedger()
{
    if (!handOver())
        return false;
    QString km = m_account->text().trimmed();
    bool include = m_unposted->isChecked();
    bool shown = false;
    QMetaObject::invokeMethod(m_component.get(), "ZzDisplay", Q_RETURN_ARG(bool, shown), Q_ARG(QString &, km),
                              Q_ARG(bool &, include));
    return shown;
}

// The public class has no display method of its own for the monthly
// comprehensive ledger: it is a mode of the detail ledger's condition dialog.
void DeskHostWindow::openMonthlyLedger()
{
    QString right = QStringLiteral("GL0305");
    if (!CheckRight(m_pub, right, true))
        return;
    mxz window(m_pub, MxzRequest{}, this);
    mxzCond conditions(m_pub, this);
    conditions.setFrmmxz(&window);
    if (conditions.Option1(1)->isEnabled())
        conditions.Option1(1)->click();
    if (conditions.exec() == QDialog::Accepted)
        window.exec();
}

} // namespace qxmxz

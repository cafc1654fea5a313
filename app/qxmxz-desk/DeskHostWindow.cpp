#include "DeskHostWindow.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "platform/outside/GlPublic.h"
#include "platform/outside/Login.h"
#include "services/CheckRight.h"
#include "windows/mxz.h"
#include "windows/mxzCond.h"
#include "windows/zzCond.h"
#include "windows/zzmain.h"

namespace qxmxz {

DeskHostWindow::DeskHostWindow(GlPublic &pub, QWidget *parent) : QWidget(parent), m_pub(pub)
{
    setWindowTitle(QStringLiteral("QxMxz"));
    auto *who = new QLabel(this);
    const std::shared_ptr<Login> login = pub.login();
    who->setText(pub.text(QStringLiteral("QXMXZ.desk.login"),
                          {login ? login->userName() : QString(), QString::number(pub.year())}));
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
    layout->addWidget(detail);
    layout->addWidget(monthly);
    layout->addWidget(general);
    layout->addStretch();
    layout->addWidget(quit);
    connect(detail, &QPushButton::clicked, this, [this] { openDetailLedger(false); });
    connect(monthly, &QPushButton::clicked, this, [this] { openDetailLedger(true); });
    connect(general, &QPushButton::clicked, this, &DeskHostWindow::openGeneralLedger);
    connect(quit, &QPushButton::clicked, this, &QWidget::close);
    resize(320, 260);
}

void DeskHostWindow::openDetailLedger(bool monthly)
{
    QString right = QStringLiteral("GL0305");
    if (!CheckRight(m_pub, right, true))
        return;
    mxz window(m_pub, MxzRequest{}, this);
    mxzCond conditions(m_pub, this);
    conditions.setFrmmxz(&window);
    if (monthly && conditions.Option1(1)->isEnabled())
        conditions.Option1(1)->click();
    if (conditions.exec() == QDialog::Accepted)
        window.exec();
}

void DeskHostWindow::openGeneralLedger()
{
    QString right = QStringLiteral("GL030101");
    if (!CheckRight(m_pub, right, true))
        return;
    zzCond conditions(m_pub, this);
    if (conditions.exec() != QDialog::Accepted)
        return;
    if (std::unique_ptr<zzmain> window = conditions.takeWindow())
        window->exec();
}

} // namespace qxmxz

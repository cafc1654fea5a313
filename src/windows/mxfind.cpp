#include "mxfind.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "AccountBoxes.h"
#include "ReferenceWindow.h"
#include "frmZYX_Yj.h"
#include "mxz.h"
#include "platform/outside/GlPublic.h"
#include "presentation/ShownAmount.h"
#include "services/FindLists.h"
#include "services/ReferenceFilters.h"
#include "totals/TextsAndMessages.h"

namespace qxmxz {

namespace {

constexpr int LargestVoucherNumber = 9999;

QComboBox *listBox(QWidget *parent, const char *name, const QList<FindListEntry> &entries, bool withCodes)
{
    auto *box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->addItem(QString(), QString());
    for (const FindListEntry &e : entries)
        box->addItem(withCodes ? e.code + u' ' + e.text : e.text, e.code);
    return box;
}

} // namespace

mxfind::mxfind(GlPublic &pub, mxz *window, QWidget *parent) : QDialog(parent), m_pub(pub), m_window(window), m_refusals(pub, QStringLiteral("R7.GL.QXMXZ.mxfind.noteinfo"))
{
    setObjectName(QStringLiteral("mxfind"));
    buildControls();
    LocalizeForm(m_pub, this, QStringLiteral("R7.GL.QxMXZ."));
}

QLineEdit *mxfind::referenceBox(const char *name, int referenceType, QWidget **row)
{
    auto *holder = new QWidget(this);
    QLineEdit *box = accountBox(holder, QString::fromLatin1(name));
    QPushButton *button = referenceButton(holder, QString::fromLatin1(name) + QStringLiteral("Ref"));
    auto *layout = boxWithButton(box, button);
    layout->setContentsMargins(0, 0, 0, 0);
    holder->setLayout(layout);
    connect(button, &QPushButton::clicked, this, [this, box, referenceType] {
        const QString department = referenceType == ReferenceTypes::Person ? txtDept->text().trimmed() : QString();
        std::unique_ptr<ReferenceWindow> reference(ReferenceWindow::forType(m_pub, referenceType, department, this));
        if (const QString code = chooseFromReference(*reference, box->text()); !code.isEmpty())
            box->setText(code);
        box->setFocus();
    });
    *row = holder;
    return box;
}

void mxfind::buildControls()
{
    auto *form = new QGridLayout;
    int line = 0;
    auto put = [this, form, &line](const char *label, QWidget *left, const char *label2 = nullptr, QWidget *right = nullptr) {
        form->addWidget(named<QLabel>(this, label), line, 0);
        form->addWidget(left, line, 1);
        if (label2) {
            form->addWidget(named<QLabel>(this, label2), line, 2);
            form->addWidget(right, line, 3);
        }
        ++line;
    };
    txtBeginDate = named<QLineEdit>(this, "txtBeginDate");
    txtEndDate = named<QLineEdit>(this, "txtEndDate");
    put("lblDate1", txtBeginDate, "lblDate2", txtEndDate);
    cboSign = listBox(this, "cboSign", voucherTypes(m_pub), true);
    txtNo = named<QLineEdit>(this, "txtNo");
    txtno2 = named<QLineEdit>(this, "txtno2");
    auto *numbers = new QWidget(this);
    auto *numbersLayout = new QHBoxLayout(numbers);
    numbersLayout->setContentsMargins(0, 0, 0, 0);
    numbersLayout->addWidget(txtNo);
    numbersLayout->addWidget(new QLabel(QStringLiteral("—"), numbers));
    numbersLayout->addWidget(txtno2);
    put("lblSign", cboSign, "lblNo", numbers);
    txtDigest = named<QLineEdit>(this, "txtDigest");
    QWidget *counterpart = nullptr;
    {
        auto *holder = new QWidget(this);
        txtKm2 = accountBox(holder, QStringLiteral("txtKm2"));
        QPushButton *button = referenceButton(holder, QStringLiteral("cmdKm2"));
        auto *layout = boxWithButton(txtKm2, button);
        layout->setContentsMargins(0, 0, 0, 0);
        holder->setLayout(layout);
        connectAccountReference(m_pub, button, txtKm2);
        counterpart = holder;
    }
    put("lblDigest", txtDigest, "lblKm2", counterpart);
    txtm1 = named<QLineEdit>(this, "txtm1");
    txtm2 = named<QLineEdit>(this, "txtm2");
    put("lblM1", txtm1, "lblM2", txtm2);
    QWidget *deptRow = nullptr, *personRow = nullptr;
    txtDept = referenceBox("txtDept", ReferenceTypes::Department, &deptRow);
    txtPerson = referenceBox("txtPerson", ReferenceTypes::Person, &personRow);
    put("lblDept", deptRow, "lblPerson", personRow);
    QWidget *customerRow = nullptr, *supplierRow = nullptr;
    txtKh = referenceBox("txtKh", ReferenceTypes::Customer, &customerRow);
    txtGys = referenceBox("txtGys", ReferenceTypes::Vendor, &supplierRow);
    put("lblKh", customerRow, "lblGys", supplierRow);
    QWidget *itemRow = nullptr;
    txtItem = referenceBox("txtItem", ReferenceTypes::ItemOrInventory, &itemRow);
    cboSystem = listBox(this, "cboSystem", sourceSystems(m_pub), false);
    put("lblItem", itemRow, "lblSystem", cboSystem);
    cboJsfs = listBox(this, "cboJsfs", settlementMethods(m_pub), true);
    txtJsh = named<QLineEdit>(this, "txtJsh");
    put("lblJsfs", cboJsfs, "lblJsh", txtJsh);
    const QList<FindListEntry> users = findUsers(m_pub);
    cboZD = listBox(this, "cboZD", users, false);
    cboCheck = listBox(this, "cboCheck", users, false);
    put("lblZD", cboZD, "lblCheck", cboCheck);
    form->setColumnStretch(1, 1);
    form->setColumnStretch(3, 1);

    auto *userDefined = named<QPushButton>(this, "cmdDefine");
    cmdOk = named<QPushButton>(this, "cmdOk");
    cmdOk->setDefault(true);
    cmdUndo = named<QPushButton>(this, "cmdUndo");
    cmdCancel = named<QPushButton>(this, "cmdCancel");
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(userDefined);
    buttons->addStretch();
    buttons->addWidget(cmdOk);
    buttons->addWidget(cmdUndo);
    buttons->addWidget(cmdCancel);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);

    connect(userDefined, &QPushButton::clicked, this, &mxfind::openUserDefinedItems);
    connect(cmdOk, &QPushButton::clicked, this, [this] {
        if (commit())
            accept();
    });
    connect(cmdUndo, &QPushButton::clicked, this, &mxfind::cmdUndo_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

bool mxfind::commit()
{
    for (QLineEdit *box : {txtBeginDate, txtEndDate})
        if (!box->text().trimmed().isEmpty() && !m_pub.dateOfText(box->text().trimmed()))
            return m_refusals.refuse(QStringLiteral("R7.GL.QXMXZ.mxfind.dateerror"), box);
    if (!m_refusals.normaliseAccountBox(txtKm2, QStringLiteral("R7.GL.QXMXZ.mxfind.00626")))
        return false;
    for (QLineEdit *box : {txtNo, txtno2}) {
        const QString typed = box->text().trimmed();
        bool ok = false;
        const int number = typed.toInt(&ok);
        if (!typed.isEmpty() && (!ok || number < 0 || number > LargestVoucherNumber))
            return m_refusals.refuse(QStringLiteral("R7.GL.QXMXZ.mxfind.pzhtoobig"), box, QStringLiteral("R7.GL.QXMXZ.mxfind.pz"));
    }
    for (QLineEdit *box : {txtm1, txtm2})
        if (!shownAmount(box->text()))
            return m_refusals.refuse(QStringLiteral("R7.GL.QXMXZ.mxfind.00642"), box);
    if (m_window)
        m_window->filterRows(criteria());
    return true;
}

LedgerFindCriteria mxfind::criteria() const
{
    LedgerFindCriteria c;
    c.counterpart = txtKm2->text().trimmed();
    c.sourceSystem = cboSystem->currentData().toString();
    c.summary = txtDigest->text().trimmed();
    c.person = txtPerson->text().trimmed();
    c.customer = txtKh->text().trimmed();
    c.supplier = txtGys->text().trimmed();
    c.department = txtDept->text().trimmed();
    c.item = txtItem->text().trimmed();
    if (!txtNo->text().trimmed().isEmpty())
        c.voucherFrom = txtNo->text().trimmed().toInt();
    if (!txtno2->text().trimmed().isEmpty())
        c.voucherTo = txtno2->text().trimmed().toInt();
    if (!txtBeginDate->text().trimmed().isEmpty())
        c.dateFrom = m_pub.dateOfText(txtBeginDate->text().trimmed());
    if (!txtEndDate->text().trimmed().isEmpty())
        c.dateTo = m_pub.dateOfText(txtEndDate->text().trimmed());
    c.voucherType = cboSign->currentData().toString();
    c.settlementMethod = cboJsfs->currentData().toString();
    c.settlementNumber = txtJsh->text().trimmed();
    c.maker = cboZD->currentIndex() > 0 ? cboZD->currentText() : QString();
    c.checker = cboCheck->currentIndex() > 0 ? cboCheck->currentText() : QString();
    if (!txtm1->text().trimmed().isEmpty())
        c.amountFrom = shownAmount(txtm1->text());
    if (!txtm2->text().trimmed().isEmpty())
        c.amountTo = shownAmount(txtm2->text());
    for (size_t i = 0; i < sDefine.size(); ++i)
        c.userDefined[i] = sDefine[i].trimmed();
    return c;
}

void mxfind::cmdUndo_Click()
{
    if (m_window)
        m_window->undoFilter();
}

void mxfind::openUserDefinedItems()
{
    frmZYX_Yj picker(m_pub, this);
    picker.setValues(sDefine);
    if (picker.exec() == QDialog::Accepted)
        sDefine = picker.values();
}

} // namespace qxmxz

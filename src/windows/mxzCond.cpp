#include "mxzCond.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "AccountBoxes.h"
#include "AccountTree.h"
#include "ReferenceWindow.h"
#include "mxz.h"
#include "platform/outside/GlPublic.h"
#include "presentation/AccountEntryText.h"
#include "presentation/AccountLists.h"
#include "presentation/LedgerAccess.h"
#include "services/CheckRight.h"
#include "services/HeldRight.h"
#include "totals/TextsAndMessages.h"

namespace qxmxz {

namespace {

constexpr int InformationStyle = 64;

} // namespace

mxzCond::mxzCond(GlPublic &pub, QWidget *parent) : QDialog(parent), m_pub(pub)
{
    setObjectName(QStringLiteral("mxzCond"));
    buildControls();
    LocalizeForm(m_pub, this, QStringLiteral("R7.GL.QxMXZ."));

    const QStringList months = m_pub.periodTexts();
    cboMonthStart->addItems(months);
    cboMonthEnd->addItems(months);
    cboMonthEnd->setCurrentIndex(int(months.size()) - 1);

    for (const AccountRecord &account : m_pub.chart().accounts())
        if (account.grade == 1)
            CboYjKm->addItem(accountEntry(m_pub, account.code));

    if (!holdsRight(m_pub, QStringLiteral("GL0306")))
        m_option[1]->setEnabled(false);
    Option1_Click(0);
}

void mxzCond::buildControls()
{
    m_option[0] = new QRadioButton(this);
    m_option[0]->setObjectName(QStringLiteral("Option1_0"));
    m_option[1] = new QRadioButton(this);
    m_option[1]->setObjectName(QStringLiteral("Option1_1"));
    m_option[0]->setChecked(true);
    auto *modes = new QButtonGroup(this);
    modes->addButton(m_option[0], 0);
    modes->addButton(m_option[1], 1);
    CboYjKm = new QComboBox(this);
    CboYjKm->setObjectName(QStringLiteral("CboYjKm"));
    CboYjKm->setMinimumContentsLength(18);

    txtKm1 = accountBox(this, QStringLiteral("txtKm1"));
    txtKm2 = accountBox(this, QStringLiteral("txtKm2"));
    cmdKm1 = referenceButton(this, QStringLiteral("cmdKm1"));
    cmdKm2 = referenceButton(this, QStringLiteral("cmdKm2"));
    m_lastAccountBox = txtKm1;
    cboMonthStart = new QComboBox(this);
    cboMonthStart->setObjectName(QStringLiteral("cboMonthStart"));
    cboMonthEnd = new QComboBox(this);
    cboMonthEnd->setObjectName(QStringLiteral("cboMonthEnd"));
    chkInclude = new QCheckBox(this);
    chkInclude->setObjectName(QStringLiteral("chkInclude"));
    chkOrder = new QCheckBox(this);
    chkOrder->setObjectName(QStringLiteral("chkOrder"));
    chkOpen = new QCheckBox(this);
    chkOpen->setObjectName(QStringLiteral("chkOpen"));
    optFirst = new QRadioButton(this);
    optFirst->setObjectName(QStringLiteral("optFirst"));
    optLast = new QRadioButton(this);
    optLast->setObjectName(QStringLiteral("optLast"));
    optFirst->setChecked(true);
    auto *shownAs = new QButtonGroup(this);
    shownAs->addButton(optFirst);
    shownAs->addButton(optLast);
    TreeView1 = new AccountTree(m_pub, this);
    TreeView1->setMinimumWidth(260);
    cmdCommmit = new QPushButton(this);
    cmdCommmit->setObjectName(QStringLiteral("cmdCommmit"));
    cmdCommmit->setDefault(true);
    cmdExit = new QPushButton(this);
    cmdExit->setObjectName(QStringLiteral("cmdExit"));

    auto label = [this](const char *name) {
        auto *l = new QLabel(this);
        l->setObjectName(QString::fromLatin1(name));
        return l;
    };
    auto *form = new QGridLayout;
    form->addWidget(m_option[0], 0, 0, 1, 5);
    form->addWidget(m_option[1], 1, 0, 1, 2);
    form->addWidget(CboYjKm, 1, 2, 1, 3);
    form->addWidget(label("lblKm1"), 2, 0);
    form->addLayout(boxWithButton(txtKm1, cmdKm1), 2, 1, 1, 2);
    form->addWidget(label("lblKm2"), 3, 0);
    form->addLayout(boxWithButton(txtKm2, cmdKm2), 3, 1, 1, 2);
    form->addWidget(label("lblMonth1"), 4, 0);
    form->addWidget(cboMonthStart, 4, 1, 1, 2);
    form->addWidget(label("lblMonth2"), 5, 0);
    form->addWidget(cboMonthEnd, 5, 1, 1, 2);
    form->addWidget(chkInclude, 6, 0, 1, 5);
    form->addWidget(chkOrder, 7, 0, 1, 5);
    form->addWidget(chkOpen, 8, 0, 1, 5);
    auto *shown = new QHBoxLayout;
    shown->addSpacing(20);
    shown->addWidget(optFirst);
    shown->addWidget(optLast);
    shown->addStretch();
    form->addLayout(shown, 9, 0, 1, 5);
    form->setRowStretch(10, 1);
    form->setColumnStretch(1, 1);

    auto *treeButtons = new QHBoxLayout;
    for (const char *name : {"Command1_0", "Command1_1", "Command1_2"}) {
        auto *button = new QPushButton(this);
        button->setObjectName(QString::fromLatin1(name));
        treeButtons->addWidget(button);
    }
    auto *treeColumn = new QVBoxLayout;
    treeColumn->addWidget(TreeView1, 1);
    treeColumn->addLayout(treeButtons);

    auto *body = new QHBoxLayout;
    body->addLayout(form, 3);
    body->addLayout(treeColumn, 2);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdCommmit);
    buttons->addWidget(cmdExit);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(body, 1);
    layout->addLayout(buttons);

    connect(m_option[0], &QRadioButton::clicked, this, [this] { Option1_Click(0); });
    connect(m_option[1], &QRadioButton::clicked, this, [this] { Option1_Click(1); });
    connect(CboYjKm, &QComboBox::activated, this, [this] {
        if (m_option[1]->isChecked()) {
            txtKm1->clear();
            txtKm2->clear();
        }
    });
    connect(cboMonthStart, &QComboBox::activated, this, [this] {
        if (!cboMonthEnd->isEnabled())
            cboMonthEnd->setCurrentText(cboMonthStart->currentText());
    });
    connect(chkOpen, &QCheckBox::clicked, this, &mxzCond::chkOpen_Click);
    connect(cmdKm1, &QPushButton::clicked, this, [this] { openReference(txtKm1); });
    connect(cmdKm2, &QPushButton::clicked, this, [this] { openReference(txtKm2); });
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        if (now == txtKm1 || now == txtKm2)
            m_lastAccountBox = static_cast<QLineEdit *>(now);
    });
    connect(TreeView1, &AccountTree::accountClicked, this, &mxzCond::treeClicked);
    connectTreeButtons(this, TreeView1, txtKm1, txtKm2);
    connect(cmdCommmit, &QPushButton::clicked, this, &mxzCond::commit);
    connect(cmdExit, &QPushButton::clicked, this, &mxzCond::exitDialog);
}

void mxzCond::Option1_Click(int index)
{
    m_option[index]->setChecked(true);
    if (index == 1) {
        txtKm1->clear();
        txtKm2->clear();
        CboYjKm->setEnabled(true);
        chkOrder->setChecked(false);
        chkOrder->setEnabled(false);
        chkOpen->setChecked(false);
        chkOpen->setEnabled(false);
    } else {
        CboYjKm->setEnabled(false);
        chkOrder->setEnabled(true);
        chkOpen->setEnabled(true);
        chkOpen->setChecked(false);
    }
    chkOpen_Click();
}

void mxzCond::chkOpen_Click()
{
    const bool available = chkOpen->isEnabled() && chkOpen->isChecked();
    optFirst->setEnabled(available);
    optLast->setEnabled(available);
}

void mxzCond::openReference(QLineEdit *box)
{
    std::unique_ptr<ReferenceWindow> reference(ReferenceWindow::forAccounts(m_pub, this));
    const QString code = chooseFromReference(*reference, box->text());
    if (!code.isEmpty())
        box->setText(code);
    box->setFocus();
}

void mxzCond::treeClicked(const QString &code)
{
    m_lastAccountBox->setText(code);
}

bool mxzCond::refuseWith(const QString &message, QLineEdit *focus)
{
    if (focus)
        focus->setFocus();
    m_pub.showMessage(message, InformationStyle, GetResString(m_pub, QStringLiteral("R7.GL.QXMXZ.mxzcond.notesinfo")));
    return false;
}

bool mxzCond::refuse(const QString &key, QLineEdit *focus)
{
    return refuseWith(GetResString(m_pub, key), focus);
}

bool mxzCond::normaliseAccountBox(QLineEdit *box)
{
    const QString typed = box->text().trimmed();
    if (typed.isEmpty())
        return true;
    const QString code = m_pub.codeOfEntry(typed);
    if (code.isEmpty())
        return refuse(QStringLiteral("R7.GL.QXMXZ.mxzcond.kminputerror"), box);
    box->setText(code);
    return true;
}

bool mxzCond::commit()
{
    const bool monthly = m_option[1]->isChecked();
    if (monthly && !m_monthlyGranted) {
        QString right = QStringLiteral("GL0306");
        if (!CheckRight(m_pub, right, true))
            return false;
        m_monthlyGranted = true;
    }
    if (!normaliseAccountBox(txtKm1) || !normaliseAccountBox(txtKm2))
        return false;
    const QString start = txtKm1->text().trimmed();
    const QString end = txtKm2->text().trimmed();
    if (!start.isEmpty() && !end.isEmpty() && start > end)
        return refuse(QStringLiteral("R7.GL.QXMXZ.mxzcond.00604"), txtKm1);
    m_firstMonth = quint8(qMax(1, m_pub.periodOfText(cboMonthStart->currentText())));
    m_lastMonth = quint8(qMax(1, m_pub.periodOfText(cboMonthEnd->currentText())));
    return monthly ? commitMonthly(start, end) : commitRange(start, end);
}

bool mxzCond::commitMonthly(const QString &start, const QString &end)
{
    const QString firstGrade = CodeOfEntry(CboYjKm->currentText());
    QString message;
    if (!mayReadAccountTree(m_pub, firstGrade, message))
        return refuseWith(message);
    const int length = m_pub.codeLength(1);
    for (QLineEdit *box : {txtKm1, txtKm2}) {
        const QString code = box->text().trimmed();
        if (!code.isEmpty() && code.left(length) != firstGrade.left(length))
            return refuse(QStringLiteral("R7.GL.QXMXZ.mxzcond.00607"), box);
    }
    if (!start.isEmpty() && !end.isEmpty() && start.size() != end.size())
        return refuse(QStringLiteral("R7.GL.QXMXZ.mxzcond.00609"), txtKm2);
    m_grade = quint8(!start.isEmpty() ? m_pub.gradeOf(start) : !end.isEmpty() ? m_pub.gradeOf(end) : 1);

    MxzConditions conditions;
    conditions.bIsYfzhMxz = true;
    conditions.m1 = m_firstMonth;
    conditions.m2 = m_lastMonth;
    conditions.MonthKm1 = start;
    conditions.MonthKm2 = end;
    conditions.Include = chkInclude->isChecked();
    conditions.firstGrade = m_grade;
    conditions.accountEntries = accountEntriesAtGrade(m_pub, firstGrade, m_grade, start, end);
    conditions.headerCaption = CboYjKm->currentText() + GetResString(m_pub, QStringLiteral("R7.GL.QXMXZ.mxzcond.00611"));
    if (conditions.accountEntries.isEmpty())
        return refuse(QStringLiteral("R7.GL.QXMXZ.mxzcond.00619"));
    if (m_window)
        m_window->applyConditions(conditions);
    accept();
    return true;
}

bool mxzCond::commitRange(const QString &start, const QString &end)
{
    for (QLineEdit *box : {txtKm1, txtKm2}) {
        const QString code = box->text().trimmed();
        if (!code.isEmpty() && m_pub.account(code).isJournal)
            return refuse(QStringLiteral("R7.GL.QXMXZ.mxzcond.pleasegoaccountday"), box);
    }
    QString message;
    if (!start.isEmpty() && !mayReadAccountTree(m_pub, start, message))
        return refuseWith(message, txtKm1);
    if (!mayReadAccountRange(m_pub, start, end, message))
        return refuseWith(message);

    MxzConditions conditions;
    conditions.bKmOrder = chkOrder->isChecked();
    conditions.m1 = m_firstMonth;
    conditions.m2 = m_lastMonth;
    conditions.bFirst = optFirst->isChecked();
    conditions.bOptOpen = chkOpen->isChecked();
    conditions.Include = chkInclude->isChecked();
    conditions.accountEntries = accountEntriesOfRange(m_pub, start, end);
    if (conditions.accountEntries.isEmpty())
        return refuse(QStringLiteral("R7.GL.QXMXZ.mxzcond.00619"));
    if (m_window)
        m_window->applyConditions(conditions);
    accept();
    return true;
}

void mxzCond::exitDialog()
{
    bool windowOpen = false;
    for (QWidget *widget : QApplication::topLevelWidgets())
        windowOpen = windowOpen || (qobject_cast<mxz *>(widget) && widget->isVisible());
    if (!windowOpen) {
        QString right = QStringLiteral("GL0305");
        CheckRight(m_pub, right, false);
    }
    reject();
}

} // namespace qxmxz

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

mxzCond::mxzCond(GlPublic &pub, QWidget *parent)
    : QDialog(parent), m_pub(pub), m_refusals(pub, QStringLiteral("R7.GL.QXMXZ.mxzcond.notesinfo"))
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
    m_option[0] = named<QRadioButton>(this, "Option1_0");
    m_option[1] = named<QRadioButton>(this, "Option1_1");
    m_option[0]->setChecked(true);
    auto *modes = new QButtonGroup(this);
    modes->addButton(m_option[0], 0);
    modes->addButton(m_option[1], 1);
    CboYjKm = named<QComboBox>(this, "CboYjKm");
    CboYjKm->setMinimumContentsLength(18);

    txtKm1 = accountBox(this, QStringLiteral("txtKm1"));
    txtKm2 = accountBox(this, QStringLiteral("txtKm2"));
    cmdKm1 = referenceButton(this, QStringLiteral("cmdKm1"));
    cmdKm2 = referenceButton(this, QStringLiteral("cmdKm2"));
    cboMonthStart = named<QComboBox>(this, "cboMonthStart");
    cboMonthEnd = named<QComboBox>(this, "cboMonthEnd");
    chkInclude = named<QCheckBox>(this, "chkInclude");
    chkOrder = named<QCheckBox>(this, "chkOrder");
    chkOpen = named<QCheckBox>(this, "chkOpen");
    optFirst = named<QRadioButton>(this, "optFirst");
    optLast = named<QRadioButton>(this, "optLast");
    optFirst->setChecked(true);
    auto *shownAs = new QButtonGroup(this);
    shownAs->addButton(optFirst);
    shownAs->addButton(optLast);
    TreeView1 = new AccountTree(m_pub, this);
    TreeView1->setMinimumWidth(260);
    cmdCommmit = named<QPushButton>(this, "cmdCommmit");
    cmdCommmit->setDefault(true);
    cmdExit = named<QPushButton>(this, "cmdExit");

    auto label = [this](const char *name) { return named<QLabel>(this, name); };
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

    auto *body = new QHBoxLayout;
    body->addLayout(form, 3);
    body->addLayout(accountTreeColumn(this, TreeView1, txtKm1, txtKm2), 2);
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
    connectAccountReference(m_pub, cmdKm1, txtKm1);
    connectAccountReference(m_pub, cmdKm2, txtKm2);
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

bool mxzCond::commit()
{
    const bool monthly = m_option[1]->isChecked();
    if (monthly && !m_monthlyGranted) {
        QString right = QStringLiteral("GL0306");
        if (!CheckRight(m_pub, right, true))
            return false;
        m_monthlyGranted = true;
    }
    const QString inputError = QStringLiteral("R7.GL.QXMXZ.mxzcond.kminputerror");
    if (!m_refusals.normaliseAccountBox(txtKm1, inputError) || !m_refusals.normaliseAccountBox(txtKm2, inputError))
        return false;
    const QString start = txtKm1->text().trimmed();
    const QString end = txtKm2->text().trimmed();
    if (!start.isEmpty() && !end.isEmpty() && start > end)
        return m_refusals.refuse(QStringLiteral("R7.GL.QXMXZ.mxzcond.00604"), txtKm1);
    m_firstMonth = quint8(qMax(1, m_pub.periodOfText(cboMonthStart->currentText())));
    m_lastMonth = quint8(qMax(1, m_pub.periodOfText(cboMonthEnd->currentText())));
    return monthly ? commitMonthly(start, end) : commitRange(start, end);
}

bool mxzCond::commitMonthly(const QString &start, const QString &end)
{
    const QString firstGrade = CodeOfEntry(CboYjKm->currentText());
    QString message;
    if (!mayReadAccountTree(m_pub, firstGrade, message))
        return m_refusals.refuseWith(message);
    const int length = m_pub.codeLength(1);
    for (QLineEdit *box : {txtKm1, txtKm2}) {
        const QString code = box->text().trimmed();
        if (!code.isEmpty() && code.left(length) != firstGrade.left(length))
            return m_refusals.refuse(QStringLiteral("R7.GL.QXMXZ.mxzcond.00607"), box);
    }
    if (!start.isEmpty() && !end.isEmpty() && start.size() != end.size())
        return m_refusals.refuse(QStringLiteral("R7.GL.QXMXZ.mxzcond.00609"), txtKm2);
    m_grade = quint8(!start.isEmpty() ? m_pub.gradeOf(start) : !end.isEmpty() ? m_pub.gradeOf(end) : 1);

    MxzConditions conditions;
    conditions.bIsYfzhMxz = true;
    conditions.MonthKm1 = start;
    conditions.MonthKm2 = end;
    conditions.firstGrade = m_grade;
    conditions.accountEntries = accountEntriesAtGrade(m_pub, firstGrade, m_grade, start, end);
    conditions.headerCaption = CboYjKm->currentText() + GetResString(m_pub, QStringLiteral("R7.GL.QXMXZ.mxzcond.00611"));
    return handOver(conditions);
}

bool mxzCond::commitRange(const QString &start, const QString &end)
{
    for (QLineEdit *box : {txtKm1, txtKm2}) {
        const QString code = box->text().trimmed();
        if (!code.isEmpty() && m_pub.account(code).isJournal)
            return m_refusals.refuse(QStringLiteral("R7.GL.QXMXZ.mxzcond.pleasegoaccountday"), box);
    }
    QString message;
    if (!start.isEmpty() && !mayReadAccountTree(m_pub, start, message))
        return m_refusals.refuseWith(message, txtKm1);
    if (!mayReadAccountRange(m_pub, start, end, message))
        return m_refusals.refuseWith(message);

    MxzConditions conditions;
    conditions.bKmOrder = chkOrder->isChecked();
    conditions.bFirst = optFirst->isChecked();
    conditions.bOptOpen = chkOpen->isChecked();
    conditions.accountEntries = accountEntriesOfRange(m_pub, start, end);
    return handOver(conditions);
}

// Both modes end here: the months and the include switch go with the
// accounts, and an empty account list is the last refusal.
bool mxzCond::handOver(MxzConditions conditions)
{
    if (conditions.accountEntries.isEmpty())
        return m_refusals.refuse(QStringLiteral("R7.GL.QXMXZ.mxzcond.00619"));
    conditions.m1 = m_firstMonth;
    conditions.m2 = m_lastMonth;
    conditions.Include = chkInclude->isChecked();
    if (m_window)
        m_window->applyConditions(conditions);
    accept();
    return true;
}

void mxzCond::exitDialog()
{
    if (!isWindowShown<mxz>()) {
        QString right = QStringLiteral("GL0305");
        CheckRight(m_pub, right, false);
    }
    reject();
}

} // namespace qxmxz

#include "zzCond.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "AccountBoxes.h"
#include "AccountTree.h"
#include "ReferenceWindow.h"
#include "zzmain.h"
#include "platform/outside/GlPublic.h"
#include "presentation/AccountLists.h"
#include "presentation/LedgerAccess.h"
#include "services/CheckRight.h"
#include "totals/TextsAndMessages.h"

namespace qxmxz {

namespace {

constexpr int InformationStyle = 64;

// Two small arrows beside a grade box that step its number within the
// grades of the chart.
QHBoxLayout *gradeWithUpDown(QWidget *parent, QLineEdit *box, const QString &name, int lastGrade)
{
    auto *row = new QHBoxLayout;
    row->setSpacing(1);
    row->addWidget(box);
    auto *updown = new QVBoxLayout;
    updown->setSpacing(0);
    for (const int step : {1, -1}) {
        auto *arrow = new QToolButton(parent);
        arrow->setObjectName(name + (step > 0 ? QStringLiteral("_up") : QStringLiteral("_down")));
        arrow->setArrowType(step > 0 ? Qt::UpArrow : Qt::DownArrow);
        arrow->setFixedSize(18, 12);
        QObject::connect(arrow, &QToolButton::clicked, box, [box, step, lastGrade] {
            const int grade = qBound(1, box->text().toInt() + step, qMax(1, lastGrade));
            box->setText(QString::number(grade));
        });
        updown->addWidget(arrow);
    }
    row->addLayout(updown);
    row->addStretch();
    return row;
}

} // namespace

zzCond::zzCond(GlPublic &pub, QWidget *parent) : QDialog(parent), m_pub(pub)
{
    setObjectName(QStringLiteral("zzCond"));
    buildControls();
    LocalizeForm(m_pub, this, QStringLiteral("R7.GL.QxMXZ."));
    txtGradeStart->setText(QStringLiteral("1"));
    txtGradeEnd->setText(QStringLiteral("1"));
}

zzCond::~zzCond() = default;

void zzCond::buildControls()
{
    txtKmStart = accountBox(this, QStringLiteral("txtKmStart"));
    txtKmEnd = accountBox(this, QStringLiteral("txtKmEnd"));
    cmdKmstart = referenceButton(this, QStringLiteral("cmdKmstart"));
    cmdKmEnd = referenceButton(this, QStringLiteral("cmdKmEnd"));
    m_lastAccountBox = txtKmStart;
    const int grades = m_pub.gradeCount();
    auto gradeBox = [this, grades](const char *name) {
        auto *box = new QLineEdit(this);
        box->setObjectName(QString::fromLatin1(name));
        box->setValidator(new QIntValidator(0, qMax(1, grades), box));
        box->setMaximumWidth(48);
        return box;
    };
    txtGradeStart = gradeBox("txtGradeStart");
    txtGradeEnd = gradeBox("txtGradeEnd");
    chkAllEnd = new QCheckBox(this);
    chkAllEnd->setObjectName(QStringLiteral("chkAllEnd"));
    chkInclude = new QCheckBox(this);
    chkInclude->setObjectName(QStringLiteral("chkInclude"));
    TreeView1 = new AccountTree(m_pub, this);
    TreeView1->setMinimumWidth(260);
    cmdOk = new QPushButton(this);
    cmdOk->setObjectName(QStringLiteral("cmdOk"));
    cmdOk->setDefault(true);
    cmdCancel = new QPushButton(this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));

    auto label = [this](const char *name) {
        auto *l = new QLabel(this);
        l->setObjectName(QString::fromLatin1(name));
        return l;
    };
    auto *form = new QGridLayout;
    form->addWidget(label("lblKmStart"), 0, 0);
    form->addLayout(boxWithButton(txtKmStart, cmdKmstart), 0, 1);
    form->addWidget(label("lblKmEnd"), 1, 0);
    form->addLayout(boxWithButton(txtKmEnd, cmdKmEnd), 1, 1);
    form->addWidget(label("lblGradeStart"), 2, 0);
    form->addLayout(gradeWithUpDown(this, txtGradeStart, QStringLiteral("UpDownGradeStart"), grades), 2, 1);
    form->addWidget(label("lblGradeEnd"), 3, 0);
    form->addLayout(gradeWithUpDown(this, txtGradeEnd, QStringLiteral("UpDownGradeEnd"), grades), 3, 1);
    form->addWidget(chkAllEnd, 4, 0, 1, 2);
    form->addWidget(chkInclude, 5, 0, 1, 2);
    form->setRowStretch(6, 1);
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
    buttons->addWidget(cmdOk);
    buttons->addWidget(cmdCancel);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(body, 1);
    layout->addLayout(buttons);

    auto reference = [this](QLineEdit *box) {
        std::unique_ptr<ReferenceWindow> window(ReferenceWindow::forAccounts(m_pub, this));
        if (const QString code = chooseFromReference(*window, box->text()); !code.isEmpty())
            box->setText(code);
        box->setFocus();
    };
    connect(cmdKmstart, &QPushButton::clicked, this, [this, reference] { reference(txtKmStart); });
    connect(cmdKmEnd, &QPushButton::clicked, this, [this, reference] { reference(txtKmEnd); });
    connect(chkAllEnd, &QCheckBox::toggled, this, [this](bool endOnly) {
        txtGradeStart->setEnabled(!endOnly);
        txtGradeEnd->setEnabled(!endOnly);
    });
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        if (now == txtKmStart || now == txtKmEnd)
            m_lastAccountBox = static_cast<QLineEdit *>(now);
    });
    connect(TreeView1, &AccountTree::accountClicked, this, [this](const QString &code) { m_lastAccountBox->setText(code); });
    connectTreeButtons(this, TreeView1, txtKmStart, txtKmEnd);
    connect(cmdOk, &QPushButton::clicked, this, &zzCond::commit);
    connect(cmdCancel, &QPushButton::clicked, this, &zzCond::cancel);
}

bool zzCond::refuseWith(const QString &message, QWidget *focus)
{
    if (focus)
        focus->setFocus();
    m_pub.showMessage(message, InformationStyle, GetResString(m_pub, QStringLiteral("R7.GL.QXMXZ.zzcond.notesinfo")));
    return false;
}

bool zzCond::refuse(const QString &key, QWidget *focus)
{
    return refuseWith(GetResString(m_pub, key), focus);
}

bool zzCond::normaliseAccountBox(QLineEdit *box)
{
    const QString typed = box->text().trimmed();
    if (typed.isEmpty())
        return true;
    const QString code = m_pub.codeOfEntry(typed);
    if (code.isEmpty())
        return refuse(QStringLiteral("R7.GL.QXMXZ.zzcond.kminputerror"), box);
    box->setText(code);
    return true;
}

bool zzCond::commit()
{
    const bool endOnly = chkAllEnd->isChecked();
    // The grades compare as texts, as they stand in the boxes.
    if (txtGradeStart->text() > txtGradeEnd->text())
        return refuse(QStringLiteral("R7.GL.QXMXZ.zzcond.00584"), txtGradeStart);
    if (!normaliseAccountBox(txtKmStart) || !normaliseAccountBox(txtKmEnd))
        return false;
    const QString start = txtKmStart->text().trimmed();
    const QString end = txtKmEnd->text().trimmed();
    if (!start.isEmpty() && !end.isEmpty() && start > end)
        return refuse(QStringLiteral("R7.GL.QXMXZ.zzcond.00590"), txtKmStart);
    const quint8 firstGrade = endOnly ? 0 : quint8(txtGradeStart->text().toInt());
    const quint8 lastGrade = endOnly ? 0 : quint8(txtGradeEnd->text().toInt());
    QString message;
    if (!mayReadAccountGrades(m_pub, endOnly, firstGrade, lastGrade, start, end, message))
        return refuseWith(message);

    const QStringList entries = generalLedgerAccountEntries(m_pub, start, end, firstGrade, lastGrade, endOnly);
    zzmain *window = m_target;
    if (!window) {
        for (QWidget *widget : QApplication::topLevelWidgets())
            if (auto *open = qobject_cast<zzmain *>(widget); open && open->isVisible())
                window = open;
    }
    if (!window) {
        m_created = std::make_unique<zzmain>(m_pub, QStringList{}, m_style, chkInclude->isChecked(), parentWidget());
        window = m_created.get();
    }
    if (!window->setAccounts(entries, chkInclude->isChecked())) {
        refuse(QStringLiteral("R7.GL.QXMXZ.zzcond.00594"));
        m_created.reset();
        return false;
    }
    accept();
    return true;
}

void zzCond::cancel()
{
    bool windowOpen = false;
    for (QWidget *widget : QApplication::topLevelWidgets())
        windowOpen = windowOpen || (qobject_cast<zzmain *>(widget) && widget->isVisible());
    if (!windowOpen) {
        QString right = QStringLiteral("GL030101");
        CheckRight(m_pub, right, false);
    }
    reject();
}

std::unique_ptr<zzmain> zzCond::takeWindow()
{
    return std::move(m_created);
}

} // namespace qxmxz

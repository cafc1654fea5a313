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

zzCond::zzCond(GlPublic &pub, QWidget *parent)
    : QDialog(parent), m_pub(pub), m_refusals(pub, QStringLiteral("R7.GL.QXMXZ.zzcond.notesinfo"))
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
    const int grades = m_pub.gradeCount();
    auto gradeBox = [this, grades](const char *name) {
        auto *box = named<QLineEdit>(this, name);
        box->setValidator(new QIntValidator(0, qMax(1, grades), box));
        box->setMaximumWidth(48);
        return box;
    };
    txtGradeStart = gradeBox("txtGradeStart");
    txtGradeEnd = gradeBox("txtGradeEnd");
    chkAllEnd = named<QCheckBox>(this, "chkAllEnd");
    chkInclude = named<QCheckBox>(this, "chkInclude");
    TreeView1 = new AccountTree(m_pub, this);
    TreeView1->setMinimumWidth(260);
    cmdOk = named<QPushButton>(this, "cmdOk");
    cmdOk->setDefault(true);
    cmdCancel = named<QPushButton>(this, "cmdCancel");

    auto label = [this](const char *name) { return named<QLabel>(this, name); };
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

    auto *body = new QHBoxLayout;
    body->addLayout(form, 3);
    body->addLayout(accountTreeColumn(this, TreeView1, txtKmStart, txtKmEnd), 2);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOk);
    buttons->addWidget(cmdCancel);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(body, 1);
    layout->addLayout(buttons);

    connectAccountReference(m_pub, cmdKmstart, txtKmStart);
    connectAccountReference(m_pub, cmdKmEnd, txtKmEnd);
    connect(chkAllEnd, &QCheckBox::toggled, this, [this](bool endOnly) {
        txtGradeStart->setEnabled(!endOnly);
        txtGradeEnd->setEnabled(!endOnly);
    });
    connect(cmdOk, &QPushButton::clicked, this, &zzCond::commit);
    connect(cmdCancel, &QPushButton::clicked, this, &zzCond::cancel);
}

bool zzCond::commit()
{
    const bool endOnly = chkAllEnd->isChecked();
    // The grades compare as texts, as they stand in the boxes.
    if (txtGradeStart->text() > txtGradeEnd->text())
        return m_refusals.refuse(QStringLiteral("R7.GL.QXMXZ.zzcond.00584"), txtGradeStart);
    const QString inputError = QStringLiteral("R7.GL.QXMXZ.zzcond.kminputerror");
    if (!m_refusals.normaliseAccountBox(txtKmStart, inputError) || !m_refusals.normaliseAccountBox(txtKmEnd, inputError))
        return false;
    const QString start = txtKmStart->text().trimmed();
    const QString end = txtKmEnd->text().trimmed();
    if (!start.isEmpty() && !end.isEmpty() && start > end)
        return m_refusals.refuse(QStringLiteral("R7.GL.QXMXZ.zzcond.00590"), txtKmStart);
    const quint8 firstGrade = endOnly ? 0 : quint8(txtGradeStart->text().toInt());
    const quint8 lastGrade = endOnly ? 0 : quint8(txtGradeEnd->text().toInt());
    QString message;
    if (!mayReadAccountGrades(m_pub, endOnly, firstGrade, lastGrade, start, end, message))
        return m_refusals.refuseWith(message);

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
        m_refusals.refuse(QStringLiteral("R7.GL.QXMXZ.zzcond.00594"));
        m_created.reset();
        return false;
    }
    accept();
    return true;
}

void zzCond::cancel()
{
    if (!isWindowShown<zzmain>()) {
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

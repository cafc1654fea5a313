#include "frmZYX_Yj.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>

#include "AccountBoxes.h"
#include "ReferenceWindow.h"
#include "platform/outside/GlPublic.h"
#include "presentation/ShownAmount.h"
#include "services/ReferenceClient.h"
#include "totals/TextsAndMessages.h"

namespace qxmxz {

namespace {

constexpr int StopStyle = 16;

} // namespace

frmZYX_Yj::frmZYX_Yj(GlPublic &pub, QWidget *parent) : QDialog(parent), m_pub(pub), m_items(userDefinedItems(pub))
{
    setObjectName(QStringLiteral("frmZYX_Yj"));
    auto *grid = new QGridLayout;
    for (int i = 0; i < 16; ++i) {
        const UserDefinedItem &item = m_items.at(i);
        auto *label = new QLabel(item.name, this);
        auto *box = new QLineEdit(this);
        box->setObjectName(QStringLiteral("Text1_%1").arg(i));
        box->setToolTip(item.typeText);
        box->installEventFilter(this);
        QPushButton *reference = referenceButton(this, QStringLiteral("cmdRef_%1").arg(i));
        connect(reference, &QPushButton::clicked, this, [this, i] { openReference(i + 1); });
        const int column = (i / 8) * 3;
        grid->addWidget(label, i % 8, column);
        grid->addLayout(boxWithButton(box, reference), i % 8, column + 1);
        m_boxes << box;
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(4, 1);
    grid->setColumnMinimumWidth(2, 16);
    auto *ok = new QPushButton(this);
    ok->setObjectName(QStringLiteral("Command1"));
    auto *cancel = new QPushButton(this);
    cancel->setObjectName(QStringLiteral("Command2"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, [this] {
        if (confirm())
            accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    LocalizeForm(m_pub, this, QStringLiteral("R7.GL.QxMXZ."));
}

void frmZYX_Yj::setValues(const std::array<QString, 16> &values)
{
    for (int i = 0; i < 16; ++i)
        m_boxes[i]->setText(values[size_t(i)]);
}

std::array<QString, 16> frmZYX_Yj::values() const
{
    std::array<QString, 16> result;
    for (int i = 0; i < 16; ++i)
        result[size_t(i)] = m_boxes[i]->text().trimmed();
    return result;
}

bool frmZYX_Yj::confirm()
{
    const QString date = m_pub.text(QStringLiteral("R7.GL.QXMXZ.frmzyx_yj.date"));
    const QString integer = m_pub.text(QStringLiteral("R7.GL.QXMXZ.frmzyx_yj.intger"));
    const QString number = m_pub.text(QStringLiteral("R7.GL.QXMXZ.frmzyx_yj.num"));
    for (int i = 0; i < 16; ++i) {
        const QString value = m_boxes[i]->text().trimmed();
        if (value.isEmpty())
            continue;
        const QString &type = m_items.at(i).typeText;
        QString refusal;
        if (type == date && !m_pub.dateOfText(value))
            refusal = QStringLiteral("R7.GL.QXMXZ.frmzyx_yj.00655");
        else if (type == integer && !QRegularExpression(QStringLiteral("^[+-]?\\d+$")).match(value).hasMatch())
            refusal = QStringLiteral("R7.GL.QXMXZ.frmzyx_yj.00658");
        else if (type == number && !shownAmount(value))
            refusal = QStringLiteral("R7.GL.QXMXZ.frmzyx_yj.00661");
        if (!refusal.isEmpty()) {
            m_boxes[i]->setFocus();
            m_pub.showMessage(GetResString(m_pub, refusal), StopStyle,
                              GetResString(m_pub, QStringLiteral("R7.GL.QXMXZ.frmzyx_yj.notesinfo")));
            return false;
        }
    }
    return true;
}

QList<QStringList> frmZYX_Yj::referenceValues(int itemNumber) const
{
    const QString number = QString::number(itemNumber);
    return ReferenceClient(m_pub.database()).rows(referenceSetup(ReferenceTypes::UserDefinedItem, QString(), number), number);
}

void frmZYX_Yj::openReference(int itemNumber)
{
    QLineEdit *box = m_boxes.at(itemNumber - 1);
    const QList<QStringList> rows = referenceValues(itemNumber);
    if (rows.isEmpty()) {
        m_pub.showMessage(GetResString(m_pub, QStringLiteral("R7.GL.QXMXZ.frmzyx_yj.00649")), 64,
                          GetResString(m_pub, QStringLiteral("R7.GL.QXMXZ.frmzyx_yj.notesinfo")));
        return;
    }
    ReferenceWindow reference(m_pub, m_items.at(itemNumber - 1).name,
                              m_pub.text(QStringLiteral("QXMXZ.reference.heads")).split(u'\t'), rows, this);
    // The list opens at the box it fills.
    reference.move(box->mapToGlobal(QPoint(0, box->height())));
    if (const QString value = chooseFromReference(reference, box->text()); !value.isEmpty())
        box->setText(value);
    box->setFocus();
}

bool frmZYX_Yj::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const int index = int(m_boxes.indexOf(static_cast<QLineEdit *>(watched)));
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (index >= 0 && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
            m_boxes[(index + 1) % 16]->setFocus();
            return true;
        }
        if (index >= 0 && key == Qt::Key_F2) {
            openReference(index + 1);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace qxmxz

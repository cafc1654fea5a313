#include "ReferenceWindow.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "platform/outside/GlPublic.h"
#include "platform/sql/SqlText.h"
#include "services/ReferenceClient.h"

namespace qxmxz {

ReferenceWindow::ReferenceWindow(const GlPublic &pub, const QString &title, const QStringList &headings,
                                 const QList<QStringList> &rows, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("ReferenceWindow"));
    setWindowTitle(title);
    m_filter = new QLineEdit(this);
    m_filter->setPlaceholderText(pub.text(QStringLiteral("QXMXZ.reference.filter")));
    m_filter->setClearButtonEnabled(true);
    m_list = new QTreeWidget(this);
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setAlternatingRowColors(true);
    m_list->setHeaderLabels(headings);
    for (const QStringList &row : rows)
        new QTreeWidgetItem(m_list, row);
    for (int column = 0; column < headings.size(); ++column)
        m_list->resizeColumnToContents(column);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(pub.text(QStringLiteral("QXMXZ.dialog.ok")));
    buttons->button(QDialogButtonBox::Cancel)->setText(pub.text(QStringLiteral("QXMXZ.dialog.cancel")));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_filter);
    layout->addWidget(m_list, 1);
    layout->addWidget(buttons);

    connect(m_filter, &QLineEdit::textChanged, this, &ReferenceWindow::applyFilter);
    connect(m_filter, &QLineEdit::returnPressed, this, &ReferenceWindow::choose);
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, &ReferenceWindow::choose);
    connect(buttons, &QDialogButtonBox::accepted, this, &ReferenceWindow::choose);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // Up and down in the filter box move through the list, so the keyboard
    // alone chooses.
    m_filter->installEventFilter(this);
    if (m_list->topLevelItemCount() > 0)
        m_list->setCurrentItem(m_list->topLevelItem(0));
    resize(520, 420);
}

ReferenceWindow *ReferenceWindow::forAccounts(const GlPublic &pub, QWidget *parent)
{
    QList<QStringList> rows;
    const QString yes = pub.text(QStringLiteral("QXMXZ.reference.yes"));
    const QString no = pub.text(QStringLiteral("QXMXZ.reference.no"));
    for (const AccountRecord &account : pub.chart().accounts())
        rows << QStringList{account.code, pub.accountName(account.code), QString::number(account.grade),
                            account.isEnd ? yes : no};
    return new ReferenceWindow(pub, pub.text(QStringLiteral("QXMXZ.reference.accounts")),
                               pub.text(QStringLiteral("QXMXZ.reference.accountheads")).split(u'\t'), rows, parent);
}

ReferenceWindow *ReferenceWindow::forType(GlPublic &pub, int type, const QString &optionalValue, QWidget *parent)
{
    // The person list keeps to the department: the filter narrows the rows
    // read, typing then narrows what is shown.
    ReferenceSetup setup = referenceSetup(type, QString(), optionalValue);
    if (type == ReferenceTypes::Person && !optionalValue.isEmpty())
        setup.filterStrings << QStringLiteral("person.cdepcode like '%") + sqlQuoted(optionalValue) + QStringLiteral("%'");
    const QList<QStringList> rows = ReferenceClient(pub.database()).rows(setup, optionalValue);
    QStringList headings = pub.text(QStringLiteral("QXMXZ.reference.heads")).split(u'\t');
    if (type == ReferenceTypes::Person)
        headings << pub.text(QStringLiteral("QXMXZ.reference.department"));
    return new ReferenceWindow(pub, pub.text(QStringLiteral("QXMXZ.reference.type%1").arg(type)), headings, rows, parent);
}

void ReferenceWindow::setFilterText(const QString &text)
{
    m_filter->setText(text);
}

void ReferenceWindow::applyFilter(const QString &text)
{
    const QString wanted = text.trimmed();
    QTreeWidgetItem *first = nullptr;
    for (int i = 0; i < m_list->topLevelItemCount(); ++i) {
        QTreeWidgetItem *item = m_list->topLevelItem(i);
        const bool shown = wanted.isEmpty() || item->text(0).startsWith(wanted, Qt::CaseInsensitive)
                           || item->text(1).contains(wanted, Qt::CaseInsensitive);
        item->setHidden(!shown);
        if (shown && !first)
            first = item;
    }
    if (!m_list->currentItem() || m_list->currentItem()->isHidden())
        m_list->setCurrentItem(first);
}

int ReferenceWindow::visibleRowCount() const
{
    int count = 0;
    for (int i = 0; i < m_list->topLevelItemCount(); ++i)
        count += m_list->topLevelItem(i)->isHidden() ? 0 : 1;
    return count;
}

void ReferenceWindow::choose()
{
    QTreeWidgetItem *item = m_list->currentItem();
    if (!item || item->isHidden())
        return;
    m_code = item->text(0);
    m_name = item->text(1);
    accept();
}

bool ReferenceWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_filter && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Down || key == Qt::Key_Up || key == Qt::Key_PageDown || key == Qt::Key_PageUp) {
            QApplication::sendEvent(m_list, event);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

QString chooseFromReference(ReferenceWindow &window, const QString &startText)
{
    window.setFilterText(startText.trimmed());
    if (window.exec() != QDialog::Accepted)
        return {};
    return window.chosenCode();
}

} // namespace qxmxz

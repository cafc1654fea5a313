#include "AccountTree.h"

#include <QHash>
#include <QHeaderView>
#include <QPainter>
#include <QPixmap>

#include "platform/outside/GlPublic.h"
#include "presentation/AccountLists.h"

namespace qxmxz {

namespace {

constexpr int CodeRole = Qt::UserRole;
constexpr int GradeRole = Qt::UserRole + 1;

QPixmap folder(bool open, bool selected)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor body = selected ? QColor(0x2f, 0x6f, 0xb0) : QColor(0xd9, 0xa4, 0x2a);
    painter.setPen(body.darker(140));
    painter.setBrush(body);
    painter.drawRect(QRectF(1.5, 3.5, 6, 2));
    if (open) {
        painter.drawRect(QRectF(1.5, 5.5, 12, 8));
        painter.setBrush(body.lighter(130));
        const QPointF flap[] = {{3.5, 8.5}, {15.5, 8.5}, {13.5, 13.5}, {1.5, 13.5}};
        painter.drawPolygon(flap, 4);
    } else {
        painter.drawRect(QRectF(1.5, 5.5, 13, 8));
    }
    return pixmap;
}

QPixmap leaf(bool selected)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor paper = selected ? QColor(0x2f, 0x6f, 0xb0) : QColor(Qt::white);
    painter.setPen(QColor(0x60, 0x66, 0x70));
    painter.setBrush(paper);
    painter.drawRect(QRectF(3.5, 1.5, 9, 13));
    painter.setPen(selected ? QColor(Qt::white) : QColor(0x90, 0x96, 0xa0));
    for (int y = 5; y <= 11; y += 3)
        painter.drawLine(QPointF(5.5, y + 0.5), QPointF(10.5, y + 0.5));
    return pixmap;
}

} // namespace

QIcon AccountTree::image(const QString &key)
{
    static const QHash<QString, QIcon> images{
        {QStringLiteral("open"), QIcon(folder(true, false))},
        {QStringLiteral("closed"), QIcon(folder(false, false))},
        {QStringLiteral("leaf"), QIcon(leaf(false))},
        {QStringLiteral("leafsel"), QIcon(leaf(true))},
        {QStringLiteral("closesel"), QIcon(folder(false, true))},
    };
    return images.value(key);
}

AccountTree::AccountTree(const GlPublic &pub, QWidget *parent) : QTreeWidget(parent)
{
    setObjectName(QStringLiteral("TreeView1"));
    setHeaderHidden(true);
    setColumnCount(1);
    setUniformRowHeights(true);
    QHash<QString, QTreeWidgetItem *> items;
    for (const AccountRecord &account : pub.chart().accounts()) {
        QTreeWidgetItem *parentItem = nullptr;
        const QStringList ancestors = pub.ancestorCodes(account.code);
        for (auto it = ancestors.crbegin(); it != ancestors.crend() && !parentItem; ++it)
            parentItem = items.value(*it);
        auto *item = parentItem ? new QTreeWidgetItem(parentItem) : new QTreeWidgetItem(this);
        item->setText(0, accountEntry(pub, account.code));
        item->setData(0, CodeRole, account.code);
        item->setData(0, GradeRole, account.grade);
        items.insert(account.code, item);
    }
    showImages();
    connect(this, &QTreeWidget::itemExpanded, this, [this] { showImages(); });
    connect(this, &QTreeWidget::itemCollapsed, this, [this] { showImages(); });
    connect(this, &QTreeWidget::currentItemChanged, this, [this] { showImages(); });
    connect(this, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem *item) { emit accountClicked(item->data(0, CodeRole).toString()); });
}

void AccountTree::showImages()
{
    for (QTreeWidgetItemIterator it(this); *it; ++it) {
        QTreeWidgetItem *item = *it;
        const bool chosen = item == currentItem();
        QString key;
        if (item->childCount() == 0)
            key = chosen ? QStringLiteral("leafsel") : QStringLiteral("leaf");
        else if (chosen)
            key = QStringLiteral("closesel");
        else
            key = item->isExpanded() ? QStringLiteral("open") : QStringLiteral("closed");
        item->setIcon(0, image(key));
    }
}

void AccountTree::expandToGrade(int grade)
{
    for (QTreeWidgetItemIterator it(this); *it; ++it)
        (*it)->setExpanded((*it)->data(0, GradeRole).toInt() < grade);
}

QTreeWidgetItem *AccountTree::itemOf(const QString &code) const
{
    for (QTreeWidgetItemIterator it(const_cast<AccountTree *>(this)); *it; ++it)
        if ((*it)->data(0, CodeRole).toString() == code)
            return *it;
    return nullptr;
}

} // namespace qxmxz

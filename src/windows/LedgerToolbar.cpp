#include "LedgerToolbar.h"

#include <QAction>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include "platform/outside/GlPublic.h"

namespace qxmxz {

namespace {

// A button image: a rounded tile in the colour of the button's group with
// the key's first character, so that every button is told apart at a glance.
QIcon buttonImage(const QString &key, int group)
{
    static const QColor groups[] = {QColor(0x2f, 0x6f, 0xb0), QColor(0x3a, 0x8f, 0x5a), QColor(0xb0, 0x7a, 0x2a),
                                    QColor(0x7a, 0x4f, 0xa8), QColor(0x5a, 0x60, 0x6a)};
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath tile;
    tile.addRoundedRect(QRectF(1, 1, 30, 30), 6, 6);
    painter.fillPath(tile, groups[group % 5]);
    QFont font = painter.font();
    font.setPixelSize(18);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRect(0, 0, 32, 32), Qt::AlignCenter, key.left(1));
    return QIcon(pixmap);
}

} // namespace

const QStringList &LedgerToolbar::keys()
{
    static const QStringList list{QStringLiteral("设置"), QStringLiteral("打印"), QStringLiteral("预览"),
                                  QStringLiteral("输出"), QString(),           QStringLiteral("查询"),
                                  QStringLiteral("过滤"), QString(),           QStringLiteral("锁定"),
                                  QStringLiteral("还原"), QString(),           QStringLiteral("凭证"),
                                  QStringLiteral("总账"), QString(),           QStringLiteral("帮助"),
                                  QStringLiteral("退出")};
    return list;
}

const QStringList &LedgerToolbar::generalLedgerKeys()
{
    static const QStringList list{QStringLiteral("设置"), QStringLiteral("打印"), QStringLiteral("预览"),
                                  QStringLiteral("输出"), QString(),           QStringLiteral("查询"),
                                  QStringLiteral("还原"), QString(),           QStringLiteral("明细"),
                                  QStringLiteral("图表"), QString(),           QStringLiteral("帮助"),
                                  QStringLiteral("退出")};
    return list;
}

LedgerToolbar::LedgerToolbar(const GlPublic &pub, bool enhanced, QWidget *parent)
    : LedgerToolbar(pub, keys(), enhanced, parent)
{
}

LedgerToolbar::LedgerToolbar(const GlPublic &pub, const QStringList &buttonKeys, bool enhanced, QWidget *parent)
    : QToolBar(parent), m_enhanced(enhanced)
{
    setMovable(false);
    setIconSize(QSize(24, 24));
    setToolButtonStyle(enhanced ? Qt::ToolButtonTextBesideIcon : Qt::ToolButtonIconOnly);
    int group = 0;
    for (const QString &key : buttonKeys) {
        if (key.isEmpty()) {
            addSeparator();
            ++group;
            continue;
        }
        // Captions are kept by the button's place on the detail-ledger toolbar;
        // the general ledger's own buttons have their own.
        const qsizetype position = keys().indexOf(key) + 1;
        const QString caption = position > 0             ? pub.text(QStringLiteral("QXMXZ.window.tool%1").arg(position))
                                : key == u"图表" ? pub.text(QStringLiteral("QXMXZ.window.toolchart"))
                                                         : pub.text(QStringLiteral("QXMXZ.window.tooldetail"));
        QAction *action = addAction(buttonImage(key, group), caption);
        action->setObjectName(key);
        action->setToolTip(caption);
        action->setCheckable(key == QStringLiteral("锁定") || key == QStringLiteral("图表"));
        connect(action, &QAction::triggered, this, [this, key] { emit commandRequested(key); });
        m_buttons.insert(key, action);
    }
}

void LedgerToolbar::click(const QString &key)
{
    if (QAction *action = m_buttons.value(key); action && action->isEnabled())
        action->trigger();
}

} // namespace qxmxz

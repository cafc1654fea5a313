#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QToolBar>

namespace qxmxz {

class GlPublic;

// The detail-ledger window's toolbar: sixteen positions, separators at 5, 8,
// 11 and 14, each button known by its key (the Chinese word it stands for)
// and drawn with an image of its own. The classic presentation shows the
// images with the captions as tips; the enhanced one shows image and caption
// side by side. Either reports a click by key, so both run the same command.
class LedgerToolbar : public QToolBar {
    Q_OBJECT
public:
    // The button keys by position 1..16; separators are empty.
    static const QStringList &keys();

    LedgerToolbar(const GlPublic &pub, bool enhanced, QWidget *parent = nullptr);
    bool isEnhanced() const { return m_enhanced; }
    QAction *button(const QString &key) const { return m_buttons.value(key); }
    // Clicks the button of a key as the user would (for hosts and tests).
    void click(const QString &key);

signals:
    void commandRequested(const QString &key);

private:
    bool m_enhanced;
    QHash<QString, QAction *> m_buttons;
};

} // namespace qxmxz

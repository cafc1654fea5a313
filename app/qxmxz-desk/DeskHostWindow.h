#pragma once

#include <QWidget>

class QLabel;

namespace qxmxz {

class GlPublic;

// The host's own window: who is logged in, and one button for each ledger
// the component offers. Each button opens the ledger's condition dialog and,
// once it is confirmed, the ledger window; closing the ledger comes back here.
class DeskHostWindow : public QWidget {
    Q_OBJECT
public:
    explicit DeskHostWindow(GlPublic &pub, QWidget *parent = nullptr);

    void openDetailLedger(bool monthly);
    void openGeneralLedger();

private:
    GlPublic &m_pub;
};

} // namespace qxmxz

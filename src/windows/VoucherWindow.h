#pragma once

#include <QDialog>

#include "platform/outside/VoucherViewer.h"

class QTableWidget;

namespace qxmxz {

class GlPublic;

// The voucher display of the windows: a read-only list of every valid line
// of the voucher asked for, shown modally before display() returns.
class VoucherWindow : public VoucherViewer {
public:
    VoucherWindow(GlPublic &pub, QWidget *parent);
    // The lines of the last voucher shown, as the window listed them.
    int lastLineCount() const { return m_lastLines; }
    // Instead of showing the window, renders it into a PNG file (the
    // screenshots) or, with an empty path and modal off, only fills it (tests).
    void setModal(bool modal) { m_modal = modal; }
    void setSnapshotFile(const QString &path) { m_snapshot = path; }

protected:
    void showVoucher(const VoucherRequest &request) override;

private:
    GlPublic &m_pub;
    QWidget *m_parent;
    int m_lastLines = 0;
    bool m_modal = true;
    QString m_snapshot;
};

} // namespace qxmxz

#pragma once

#include <QDialog>

class QTableWidget;

namespace qxmxz {

class GlPublic;

// The accounting calendar: the twelve periods of the year with the first
// and last date of each, as the fiscal calendar reports them.
class frmKJYL : public QDialog {
    Q_OBJECT
public:
    explicit frmKJYL(GlPublic &pub, QWidget *parent = nullptr);
    QTableWidget *MsGrid1() const { return m_grid; }

private:
    QTableWidget *m_grid = nullptr;
};

} // namespace qxmxz

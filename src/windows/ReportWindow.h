#pragma once

#include <QDialog>

#include "platform/ui/GridModel.h"
#include "platform/ui/HeaderModel.h"

class QLabel;

namespace qxmxz {

class GlPublic;
class LedgerGridView;
struct ReportQuery;

// The report facade's own window: the detail ledger its filter asks for
// ("code", "month", "isinclude") in a plain grid, without the ledger
// window's commands. A list of accounts shows the first, as the ledger
// window opens on the first.
class ReportWindow : public QDialog {
    Q_OBJECT
public:
    ReportWindow(GlPublic &pub, const ReportQuery &query, QWidget *parent = nullptr);

    GridModel &grid() { return m_grid; }
    QString account() const { return m_account; }

private:
    GridModel m_grid;
    HeaderModel m_header;
    QString m_account;
    LedgerGridView *m_view = nullptr;
};

} // namespace qxmxz

#pragma once

#include <QDialog>
#include <QStringList>

#include "platform/print/LedgerSheet.h"
#include "platform/ui/GridModel.h"
#include "platform/ui/HintState.h"
#include "presentation/BookStyle.h"

class QComboBox;
class QLabel;

namespace qxmxz {

class BalanceChart;
class GlPublic;
class LedgerGridView;
class LedgerToolbar;

// The general-ledger window: one row group per period of the account in the
// combo, in a grid whose first two rows are its heading. "明细" on a period
// row opens the detail ledger of that account and period in the same style
// and comes back here when it closes.
class zzmain : public QDialog {
    Q_OBJECT
public:
    zzmain(GlPublic &pub, const QStringList &accountEntries, BookStyle style, bool includeUnposted,
           QWidget *parent = nullptr);

    // The text of the account combo up to its first blank; empty without one.
    QString SeparateCode() const;
    void selectAccount(int index);
    void selectStyle(BookStyle style);
    void runCommand(const QString &key);
    // The accounts of new conditions; false, and nothing changed, when there
    // is none to show.
    bool setAccounts(const QStringList &accountEntries, bool includeUnposted);
    // The condition dialog over this window ("查询", F3).
    void showConditions();
    // The period of the grid row that "明细" drills into, or 0 for a heading
    // row and a row without a period.
    int drillPeriod(int row) const;
    void DrillMxz();
    // Print (0), preview (1) or output (2) under the general ledger's rights.
    void PrintProcess(int kind);
    int exportTo(const QString &path);
    // The body and head print tables of the last print, preview or output,
    // in the local working database; empty before the first.
    QStringList printTables() const { return m_printTables; }

    GridModel &grid() { return m_grid; }
    LedgerGridView *gridView() const { return m_view; }
    LedgerToolbar *toolbar() const { return m_toolbar; }
    BalanceChart *chart() const { return m_chart; }
    bool isChartShown() const;
    // Shows or hides the balance chart under the grid ("图表").
    void toggleChart();
    BookStyle style() const { return m_style; }
    QString hintText() const;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void cboKm_Click();
    bool mayPrint(int kind);
    QString printName() const;
    // Writes the print tables and returns the sheet the print control reads.
    LedgerSheet printedSheet();

    GlPublic &m_pub;
    GridModel m_grid;
    HintState m_unitLabel, m_currencyLabel;
    BookStyle m_style;
    bool m_includeUnposted;
    QLabel *Label4 = nullptr;
    QLabel *lblSldw = nullptr;
    QLabel *lblWbname = nullptr;
    QLabel *lblHint = nullptr;
    QComboBox *cboKm = nullptr;
    QComboBox *cbostyle = nullptr;
    LedgerToolbar *m_toolbar = nullptr;
    LedgerGridView *m_view = nullptr;
    BalanceChart *m_chart = nullptr;
    QStringList m_printTables;
};

} // namespace qxmxz

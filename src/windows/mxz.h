#pragma once

#include <QDialog>
#include <QElapsedTimer>
#include <QStringList>
#include <memory>

#include "engine/LedgerHost.h"
#include "engine/kmmx.h"
#include "merge/clsMxzHb.h"
#include "platform/print/LedgerSheet.h"
#include "platform/ui/GridModel.h"
#include "platform/ui/HeaderModel.h"
#include "platform/ui/HintState.h"
#include "platform/ui/StopButtonState.h"
#include "presentation/BookStyle.h"
#include "presentation/LedgerGridLayout.h"
#include "presentation/LedgerRowFilter.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

namespace qxmxz {

class GlPublic;
class LedgerGridView;
class LedgerToolbar;

// What the detail-ledger window opens on.
struct MxzRequest {
    QStringList accountEntries; // "code name", the window opens on the first
    int firstPeriod = 1;
    int lastPeriod = 12;
    bool includeUnposted = false;
    bool byPeriod = false;
    bool monthByMonth = false;
    bool voucherCommandEnabled = true;
    BookStyle style = BookStyle::Je;
    // Merged vouchers instead of voucher lines (by summary or by account).
    clsMxzHb::mxzHbType merging = clsMxzHb::enuNotHb;
};

// What the condition dialog hands the window once every check has passed.
struct MxzConditions {
    bool bIsYfzhMxz = false;    // the monthly comprehensive ledger of one first-grade account
    bool bKmOrder = false;
    quint8 m1 = 1;              // first and last period
    quint8 m2 = 12;
    QString MonthKm1, MonthKm2; // the account range of the monthly ledger
    bool bFirst = true;         // counterparts by code only (else with their names)
    bool bOptOpen = false;      // the counterpart column is shown
    bool Include = false;       // vouchers not yet posted count
    int firstGrade = 1;         // the grade the monthly ledger's summaries start at
    QStringList accountEntries; // "code name" for the account combo
    QString headerCaption;      // the title of the monthly ledger
};

// The detail-ledger window: a grid under a two-level header on the engine's
// models, the account and style combos, the labels, the toolbar and the stop
// button. It holds no ledger logic: it hands the engine its account and the
// window's state and lets it fill the models. While a run goes on the window
// keeps painting and answers the stop button; every other command, key and
// a close wait for the ready flag.
class mxz : public QDialog, public LedgerHost {
    Q_OBJECT
    // What the merge object reads from its host window by name.
    Q_PROPERTY(bool bUserStop READ bUserStop)
    Q_PROPERTY(QObject *MxzGrid2 READ gridObject)
public:
    mxz(GlPublic &pub, const MxzRequest &request, QWidget *parent = nullptr);
    ~mxz() override;

    // Runs the command of a toolbar key; nothing while the window is not ready.
    void runCommand(const QString &key);
    bool isReady() const { return m_ready; }
    // The ledger of the account in the combo (cbokm_Click).
    void cbokm_Click();
    void selectAccount(int index);
    void selectStyle(BookStyle style);
    // Shows the account's ledger merged that way from now on (enuNotHb: one
    // row per voucher line again).
    void selectMerging(clsMxzHb::mxzHbType merging);
    clsMxzHb::mxzHbType merging() const { return m_request.merging; }

    BookStyle style() const { return m_style; }
    GridModel &grid() { return m_grid; }
    HeaderModel &header() { return m_header; }
    kmmx &engine() { return m_engine; }
    clsMxzHb &mergeObject() { return m_hb; }
    QObject *gridObject() { return &m_grid; }
    LedgerGridView *gridView() const { return m_view; }
    LedgerToolbar *toolbar() const { return m_toolbar; }
    QString hintText() const;
    void pressStop();

    // Takes the conditions of the dialog and shows the ledger of the first
    // account anew.
    void applyConditions(const MxzConditions &conditions);
    // The condition dialog over this window, its account boxes filled from
    // the account shown ("查询", F3).
    void showConditions();
    bool isMonthByMonth() const { return m_request.monthByMonth; }
    QStringList accountEntries() const;
    QString headerCaption() const;
    bool unitCheckEnabled() const;

    // The find dialog over this window ("过滤").
    void mnufilter_Click();
    // Hides the rows that fail the criteria and adds the total of the rest;
    // answers the number of ledger rows left.
    int filterRows(const LedgerFindCriteria &criteria);
    void undoFilter();
    const LedgerRowFilter &rowFilter() const { return m_rowFilter; }

    // Preview (0), print (1) or export (2) of what the grid shows, under the
    // right of the mode; export asks for a file.
    void PrintThisPage(quint8 mode);
    // The page-header tables of the last print, preview or export, in the local working database.
    QStringList printTables() const { return m_printTables; }
    // Export to a file whose extension names the format (xlsx, csv, pdf);
    // answers the print control's result code.
    int exportTo(const QString &path);

    // LedgerHost
    QString accountText() const override;
    int optionValue() const override { return m_request.byPeriod ? 0 : 1; }
    bool bUserStop() override;
    int iMxzFirstGrade() const override { return m_firstGrade; }
    bool bMxzUnloaded() const override { return m_unloaded; }
    void enableWindow() override;
    void refreshWindow() override;

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void buildControls();
    void layOut();
    void runLedger();
    void saveWidths();
    bool mayPrint(quint8 mode);
    LedgerSheet printedSheet();
    QString printName() const;
    void fitColumns();
    void letEventsThrough();
    void showHint(const QString &text);
    void help();
    void openVoucher();
    void showCalendar();
    void openGeneralLedger();

    GlPublic &m_pub;
    MxzRequest m_request;
    GridModel m_grid;
    HeaderModel m_header;
    HintState m_hint, m_quantityLabel, m_currencyLabel;
    StopButtonState m_stop;
    kmmx m_engine;
    clsMxzHb m_hb;
    LedgerRowFilter m_rowFilter;
    LedgerLayoutFlags m_flags;
    BookStyle m_style;
    bool m_ready = false;
    bool m_stopRequested = false;
    QElapsedTimer m_eventClock; // since events were last let through during a run
    bool m_unloaded = false;
    qint16 m_columnOption = 1;
    int m_firstGrade = 1;
    QString m_monthlyCaption;   // the title of the monthly comprehensive ledger
    bool m_fillingAccounts = false; // the dialog fills cboKm: no ledger runs meanwhile

    QLabel *lblHeader2 = nullptr;
    QLabel *lblKm = nullptr;
    QLabel *lblmonth2 = nullptr;
    QLabel *lblSl = nullptr;
    QLabel *lblWb = nullptr;
    QLabel *lblHint = nullptr;
    QComboBox *cboKm = nullptr;
    QComboBox *cbostyle = nullptr;
    QComboBox *cboHb = nullptr;
    QCheckBox *chkUnit = nullptr;
    QPushButton *cmdStop = nullptr;
    LedgerToolbar *m_toolbar = nullptr;
    LedgerGridView *m_view = nullptr;
    QStringList m_printTables;
};

} // namespace qxmxz

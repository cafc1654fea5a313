#pragma once

#include <QDialog>
#include <QPointer>
#include <array>

#include "AccountBoxes.h"
#include "presentation/LedgerRowFilter.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace qxmxz {

class GlPublic;
class mxz;

// The find dialog of the detail ledger: the criteria that narrow the rows
// the window shows. Its confirmation checks dates, the counterpart account
// and voucher numbers, then hides in the window's grid every row that fails
// a criterion and adds the total of the rows left; undo shows them all
// again. Nothing is read from the database again.
class mxfind : public QDialog {
    Q_OBJECT
public:
    mxfind(GlPublic &pub, mxz *window, QWidget *parent = nullptr);

    // Confirms; true when the window was filtered.
    bool commit();
    // Every row again, the total row gone (cmdUndo).
    void cmdUndo_Click();
    // The criteria as entered; valid after the checks of commit passed.
    LedgerFindCriteria criteria() const;

    // The values of the user-defined items the picker writes back.
    std::array<QString, 16> sDefine;
    void openUserDefinedItems();

    QLineEdit *txtKm2 = nullptr;
    QComboBox *cboSystem = nullptr;
    QLineEdit *txtDigest = nullptr;
    QLineEdit *txtPerson = nullptr;
    QLineEdit *txtKh = nullptr;
    QLineEdit *txtGys = nullptr;
    QLineEdit *txtDept = nullptr;
    QLineEdit *txtItem = nullptr;
    QLineEdit *txtNo = nullptr;
    QLineEdit *txtno2 = nullptr;
    QLineEdit *txtBeginDate = nullptr;
    QLineEdit *txtEndDate = nullptr;
    QComboBox *cboSign = nullptr;
    QComboBox *cboJsfs = nullptr;
    QLineEdit *txtJsh = nullptr;
    QComboBox *cboZD = nullptr;
    QComboBox *cboCheck = nullptr;
    QLineEdit *txtm1 = nullptr;
    QLineEdit *txtm2 = nullptr;
    QPushButton *cmdOk = nullptr;
    QPushButton *cmdUndo = nullptr;
    QPushButton *cmdCancel = nullptr;

private:
    void buildControls();
    QLineEdit *referenceBox(const char *name, int referenceType, QWidget **row);

    GlPublic &m_pub;
    QPointer<mxz> m_window;
    DialogRefusals m_refusals;
};

} // namespace qxmxz

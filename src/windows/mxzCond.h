#pragma once

#include <QDialog>
#include <QPointer>

#include "AccountBoxes.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace qxmxz {

class AccountTree;
class GlPublic;
class mxz;
struct MxzConditions;

// The conditions of the detail ledger: an account range and a month range,
// or the monthly comprehensive ledger of one first-grade account. On
// confirmation the input and the operator's rights are checked in a fixed
// order; the first refusal shows its message and leaves the dialog open
// with what was entered. Only when every check has passed are the
// conditions written into the window `frmmxz`, which then shows the ledger
// anew.
class mxzCond : public QDialog {
    Q_OBJECT
public:
    explicit mxzCond(GlPublic &pub, QWidget *parent = nullptr);

    // The detail-ledger window the dialog serves.
    mxz *frmmxz() const { return m_window; }
    void setFrmmxz(mxz *window) { m_window = window; }

    // Confirms (cmdCommmit); true when the conditions were handed on.
    bool commit();
    // Leaves without writing anything (cmdExit).
    void exitDialog();

    // The controls, by their instance names.
    QRadioButton *Option1(int index) const { return m_option[index]; }
    QComboBox *CboYjKm = nullptr;
    QLineEdit *txtKm1 = nullptr;
    QLineEdit *txtKm2 = nullptr;
    QPushButton *cmdKm1 = nullptr;
    QPushButton *cmdKm2 = nullptr;
    QComboBox *cboMonthStart = nullptr;
    QComboBox *cboMonthEnd = nullptr;
    QCheckBox *chkInclude = nullptr;
    QCheckBox *chkOrder = nullptr;
    QCheckBox *chkOpen = nullptr;
    QRadioButton *optFirst = nullptr;
    QRadioButton *optLast = nullptr;
    AccountTree *TreeView1 = nullptr;
    QPushButton *cmdCommmit = nullptr;
    QPushButton *cmdExit = nullptr;

private:
    void buildControls();
    void Option1_Click(int index);
    void chkOpen_Click();
    bool commitMonthly(const QString &start, const QString &end);
    bool commitRange(const QString &start, const QString &end);
    bool handOver(MxzConditions conditions);

    GlPublic &m_pub;
    QPointer<mxz> m_window;
    DialogRefusals m_refusals;
    QRadioButton *m_option[2] = {nullptr, nullptr};
    bool m_monthlyGranted = false;         // "GL0306" is asked once per dialog
    quint8 m_grade = 1;
    quint8 m_firstMonth = 1;
    quint8 m_lastMonth = 1;
};

} // namespace qxmxz

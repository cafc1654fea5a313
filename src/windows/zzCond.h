#pragma once

#include <QDialog>
#include <QPointer>
#include <memory>

#include "AccountBoxes.h"
#include "presentation/BookStyle.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace qxmxz {

class AccountTree;
class GlPublic;
class zzmain;

// The conditions of the general ledger: an account range, a grade range or
// the end accounts only, and whether unposted vouchers count. On
// confirmation the input and the operator's data rights are checked in a
// fixed order; each refusal shows its message and leaves the dialog open.
// Then the general-ledger window — the open one, or a new one — takes the
// accounts of the conditions.
class zzCond : public QDialog {
    Q_OBJECT
public:
    explicit zzCond(GlPublic &pub, QWidget *parent = nullptr);
    ~zzCond() override;

    // The window to fill instead of a new one (the window that asked).
    void setWindow(zzmain *window) { m_target = window; }
    // Confirms (cmdOk); true when a window took the conditions.
    bool commit();
    void cancel();
    // A window the confirmation created: the caller shows it.
    std::unique_ptr<zzmain> takeWindow();
    void setStyle(BookStyle style) { m_style = style; }

    QLineEdit *txtKmStart = nullptr;
    QLineEdit *txtKmEnd = nullptr;
    QPushButton *cmdKmstart = nullptr;
    QPushButton *cmdKmEnd = nullptr;
    QLineEdit *txtGradeStart = nullptr;
    QLineEdit *txtGradeEnd = nullptr;
    QCheckBox *chkAllEnd = nullptr;
    QCheckBox *chkInclude = nullptr;
    AccountTree *TreeView1 = nullptr;
    QPushButton *cmdOk = nullptr;
    QPushButton *cmdCancel = nullptr;

private:
    void buildControls();

    GlPublic &m_pub;
    DialogRefusals m_refusals;
    QPointer<zzmain> m_target;
    std::unique_ptr<zzmain> m_created;
    BookStyle m_style = BookStyle::Je;
};

} // namespace qxmxz

#pragma once

#include <QDialog>
#include <QList>
#include <array>

#include "services/UserDefinedItems.h"

class QLineEdit;

namespace qxmxz {

class GlPublic;

// The user-defined items of the voucher as extra conditions: one labelled
// box per item, the reference of an item's values at its box (the "…"
// button or F2), the value of each box checked against its item's type on
// confirmation. Enter moves on to the next box.
class frmZYX_Yj : public QDialog {
    Q_OBJECT
public:
    frmZYX_Yj(GlPublic &pub, QWidget *parent = nullptr);

    void setValues(const std::array<QString, 16> &values);
    // sDefine1 … sDefine16, trimmed.
    std::array<QString, 16> values() const;
    // Confirms (Command1); false, with the message shown and the box
    // focused, when a value does not fit its item's type.
    bool confirm();
    // The values of an item offered by its reference.
    QList<QStringList> referenceValues(int itemNumber) const;
    void openReference(int itemNumber);

    QLineEdit *Text1(int index) const { return m_boxes.at(index); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    GlPublic &m_pub;
    QList<UserDefinedItem> m_items;
    QList<QLineEdit *> m_boxes;
};

} // namespace qxmxz

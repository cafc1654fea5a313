#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;

namespace qxmxz {

class GlPublic;

// The pop-up tool window of the ledger windows (F9): a calculator line that
// takes an expression as an accountant types it (thousands separators
// allowed) and shows its value in the ledger's amount format.
class ToolWindow : public QDialog {
    Q_OBJECT
public:
    explicit ToolWindow(const GlPublic &pub, QWidget *parent = nullptr);

    void setExpression(const QString &text);
    QString resultText() const;

private:
    void evaluate();

    const GlPublic &m_pub;
    QLineEdit *m_expression = nullptr;
    QLabel *m_result = nullptr;
};

// Opens the tool window over the owner, at the owner's position, under the
// caption of the tools; it stays open beside the ledger.
ToolWindow *ShowToolWindow(const GlPublic &pub, QWidget *owner);

} // namespace qxmxz

#pragma once

#include <QApplication>
#include <QString>
#include <QWidget>

class QHBoxLayout;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

namespace qxmxz {

class AccountTree;
class GlPublic;

// The parts the condition and find dialogs share.

// A control named as the dialog's captions are keyed.
template <class Control>
Control *named(QWidget *parent, const char *name)
{
    auto *control = new Control(parent);
    control->setObjectName(QString::fromLatin1(name));
    return control;
}

// Whether a window of the class is shown (a dialog's cancel asks whether its
// ledger window is still open).
template <class Window>
bool isWindowShown()
{
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (qobject_cast<Window *>(widget) && widget->isVisible())
            return true;
    return false;
}

// A box for an account code or name that refuses the characters
// < > ' " | & and the comma as they are typed or pasted.
QLineEdit *accountBox(QWidget *parent, const QString &name);
// Whether the text holds none of the refused characters.
bool isAcceptedAccountText(const QString &text);
// The small "…" button beside a box that opens a reference list.
QPushButton *referenceButton(QWidget *parent, const QString &name);
QHBoxLayout *boxWithButton(QLineEdit *box, QPushButton *button);
// The button opens the account reference; the chosen code goes into the box.
void connectAccountReference(const GlPublic &pub, QPushButton *button, QLineEdit *box);
// The account tree of a condition dialog over its three buttons
// (Command1_0 … Command1_2: open every grade, close to the first grade,
// empty both boxes). A click in the tree fills the account box that last
// had the focus, the start box at first.
QVBoxLayout *accountTreeColumn(QWidget *dialog, AccountTree *tree, QLineEdit *startBox, QLineEdit *endBox);

// The refusals of a dialog's confirmation: each shows its message under the
// dialog's title with the information icon, gives the box the focus and
// answers false, so that a check reads `return refuse(key, box);`.
class DialogRefusals {
public:
    DialogRefusals(GlPublic &pub, const QString &titleKey) : m_pub(pub), m_titleKey(titleKey) {}

    bool refuse(const QString &key, QWidget *focus = nullptr, const QString &titleKey = {}) const;
    bool refuseWith(const QString &message, QWidget *focus = nullptr) const;
    // A filled account box receives the code its text names; a text that
    // names no account is refused with `errorKey`.
    bool normaliseAccountBox(QLineEdit *box, const QString &errorKey) const;

private:
    bool show(const QString &message, QWidget *focus, const QString &titleKey) const;

    GlPublic &m_pub;
    QString m_titleKey;
};

} // namespace qxmxz

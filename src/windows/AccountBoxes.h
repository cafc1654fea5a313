#pragma once

#include <QString>

class QHBoxLayout;
class QLineEdit;
class QPushButton;
class QWidget;

namespace qxmxz {

class AccountTree;

// The account boxes of the condition dialogs and their companions.

// A box for an account code or name that refuses the characters
// < > ' " | & and the comma as they are typed or pasted.
QLineEdit *accountBox(QWidget *parent, const QString &name);
// Whether the text holds none of the refused characters.
bool isAcceptedAccountText(const QString &text);
// The small "…" button beside a box that opens the account reference.
QPushButton *referenceButton(QWidget *parent, const QString &name);
QHBoxLayout *boxWithButton(QLineEdit *box, QPushButton *button);
// The three buttons under the account tree (named Command1_0 … Command1_2
// in the dialog): open every grade, close to the first grade, empty both
// account boxes.
void connectTreeButtons(QWidget *dialog, AccountTree *tree, QLineEdit *startBox, QLineEdit *endBox);

} // namespace qxmxz

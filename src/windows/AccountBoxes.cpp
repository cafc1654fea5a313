#include "AccountBoxes.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QValidator>

#include "AccountTree.h"

namespace qxmxz {

namespace {

const QString RefusedCharacters = QStringLiteral("<>'\"|&,");

class AccountTextValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString &input, int &) const override
    {
        return isAcceptedAccountText(input) ? Acceptable : Invalid;
    }
};

} // namespace

bool isAcceptedAccountText(const QString &text)
{
    for (const QChar c : text)
        if (RefusedCharacters.contains(c))
            return false;
    return true;
}

QLineEdit *accountBox(QWidget *parent, const QString &name)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setValidator(new AccountTextValidator(box));
    box->setMinimumWidth(160);
    return box;
}

QPushButton *referenceButton(QWidget *parent, const QString &name)
{
    auto *button = new QPushButton(QStringLiteral("…"), parent);
    button->setObjectName(name);
    button->setFixedWidth(28);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

QHBoxLayout *boxWithButton(QLineEdit *box, QPushButton *button)
{
    auto *row = new QHBoxLayout;
    row->setSpacing(2);
    row->addWidget(box, 1);
    row->addWidget(button);
    return row;
}

void connectTreeButtons(QWidget *dialog, AccountTree *tree, QLineEdit *startBox, QLineEdit *endBox)
{
    auto button = [dialog](int index) {
        return dialog->findChild<QPushButton *>(QStringLiteral("Command1_%1").arg(index));
    };
    if (QPushButton *open = button(0))
        QObject::connect(open, &QPushButton::clicked, tree, &AccountTree::expandAll);
    if (QPushButton *close = button(1))
        QObject::connect(close, &QPushButton::clicked, tree, [tree] { tree->expandToGrade(1); });
    if (QPushButton *clear = button(2))
        QObject::connect(clear, &QPushButton::clicked, dialog, [startBox, endBox] {
            startBox->clear();
            endBox->clear();
        });
}

} // namespace qxmxz

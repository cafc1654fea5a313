#include "AccountBoxes.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QValidator>
#include <QVBoxLayout>
#include <memory>

#include "AccountTree.h"
#include "ReferenceWindow.h"
#include "platform/outside/GlPublic.h"
#include "totals/TextsAndMessages.h"

namespace qxmxz {

namespace {

constexpr int InformationStyle = 64;

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

void connectAccountReference(const GlPublic &pub, QPushButton *button, QLineEdit *box)
{
    QObject::connect(button, &QPushButton::clicked, box, [&pub, box] {
        std::unique_ptr<ReferenceWindow> reference(ReferenceWindow::forAccounts(pub, box->window()));
        if (const QString code = chooseFromReference(*reference, box->text()); !code.isEmpty())
            box->setText(code);
        box->setFocus();
    });
}

QVBoxLayout *accountTreeColumn(QWidget *dialog, AccountTree *tree, QLineEdit *startBox, QLineEdit *endBox)
{
    auto *buttons = new QHBoxLayout;
    QPushButton *open = named<QPushButton>(dialog, "Command1_0");
    QPushButton *close = named<QPushButton>(dialog, "Command1_1");
    QPushButton *clear = named<QPushButton>(dialog, "Command1_2");
    for (QPushButton *button : {open, close, clear})
        buttons->addWidget(button);
    QObject::connect(open, &QPushButton::clicked, tree, &AccountTree::expandAll);
    QObject::connect(close, &QPushButton::clicked, tree, [tree] { tree->expandToGrade(1); });
    QObject::connect(clear, &QPushButton::clicked, dialog, [startBox, endBox] {
        startBox->clear();
        endBox->clear();
    });

    auto lastBox = std::make_shared<QPointer<QLineEdit>>(startBox);
    QObject::connect(qApp, &QApplication::focusChanged, dialog, [startBox, endBox, lastBox](QWidget *, QWidget *now) {
        if (now == startBox || now == endBox)
            *lastBox = static_cast<QLineEdit *>(now);
    });
    QObject::connect(tree, &AccountTree::accountClicked, dialog, [lastBox](const QString &code) {
        if (*lastBox)
            (*lastBox)->setText(code);
    });

    auto *column = new QVBoxLayout;
    column->addWidget(tree, 1);
    column->addLayout(buttons);
    return column;
}

bool DialogRefusals::show(const QString &message, QWidget *focus, const QString &titleKey) const
{
    if (focus)
        focus->setFocus();
    m_pub.showMessage(message, InformationStyle, GetResString(m_pub, titleKey));
    return false;
}

bool DialogRefusals::refuseWith(const QString &message, QWidget *focus) const
{
    return show(message, focus, m_titleKey);
}

bool DialogRefusals::refuse(const QString &key, QWidget *focus, const QString &titleKey) const
{
    return show(GetResString(m_pub, key), focus, titleKey.isEmpty() ? m_titleKey : titleKey);
}

bool DialogRefusals::normaliseAccountBox(QLineEdit *box, const QString &errorKey) const
{
    const QString typed = box->text().trimmed();
    if (typed.isEmpty())
        return true;
    const QString code = m_pub.codeOfEntry(typed);
    if (code.isEmpty())
        return refuse(errorKey, box);
    box->setText(code);
    return true;
}

} // namespace qxmxz

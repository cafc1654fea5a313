#include "ToolWindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QVBoxLayout>

#include "platform/outside/GlPublic.h"
#include "platform/values/Currency.h"
#include "presentation/ArithmeticExpression.h"
#include "totals/AmountFormats.h"

namespace qxmxz {

ToolWindow::ToolWindow(const GlPublic &pub, QWidget *parent) : QDialog(parent), m_pub(pub)
{
    setObjectName(QStringLiteral("ToolWindow"));
    setWindowTitle(pub.text(QStringLiteral("R7.GL.QXMXZ.mxzdll.00323")));
    m_expression = new QLineEdit(this);
    m_expression->setPlaceholderText(pub.text(QStringLiteral("QXMXZ.tool.expression")));
    m_result = new QLabel(this);
    m_result->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_result->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont big = m_result->font();
    big.setPointSizeF(big.pointSizeF() * 1.5);
    big.setBold(true);
    m_result->setFont(big);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(pub.text(QStringLiteral("QXMXZ.tool.calculator")), this));
    layout->addWidget(m_expression);
    layout->addWidget(m_result);
    connect(m_expression, &QLineEdit::textChanged, this, &ToolWindow::evaluate);
    resize(340, 130);
}

void ToolWindow::setExpression(const QString &text)
{
    m_expression->setText(text);
}

QString ToolWindow::resultText() const
{
    return m_result->text();
}

void ToolWindow::evaluate()
{
    const QString text = m_expression->text().trimmed();
    if (text.isEmpty()) {
        m_result->clear();
        return;
    }
    const std::optional<double> value = evaluateExpression(text);
    m_result->setText(value ? FormatAmt(Currency::fromDouble(*value), false)
                            : m_pub.text(QStringLiteral("QXMXZ.tool.invalid")));
}

ToolWindow *ShowToolWindow(const GlPublic &pub, QWidget *owner)
{
    auto *window = new ToolWindow(pub, owner);
    window->setAttribute(Qt::WA_DeleteOnClose);
    if (owner)
        window->move(owner->mapToGlobal(QPoint(40, 40)));
    window->show();
    return window;
}

} // namespace qxmxz

#include "ArithmeticExpression.h"

#include <cmath>

namespace qxmxz {

namespace {

// Recursive descent over: sum := product (('+'|'-') product)*,
// product := factor (('*'|'/') factor)*, factor := ('+'|'-') factor | number | '(' sum ')'.
class Parser {
public:
    explicit Parser(const QString &text)
    {
        for (const QChar c : text)
            if (!c.isSpace() && c != u',')
                m_text += c == u'×' ? QChar(u'*') : c == u'÷' ? QChar(u'/') : c;
    }

    std::optional<double> parse()
    {
        std::optional<double> value = sum();
        if (!value || m_at != m_text.size() || !std::isfinite(*value))
            return std::nullopt;
        return value;
    }

private:
    bool take(QChar c)
    {
        if (m_at < m_text.size() && m_text.at(m_at) == c) {
            ++m_at;
            return true;
        }
        return false;
    }

    std::optional<double> sum()
    {
        std::optional<double> value = product();
        while (value) {
            if (take(u'+')) {
                const std::optional<double> right = product();
                value = right ? std::optional(*value + *right) : std::nullopt;
            } else if (take(u'-')) {
                const std::optional<double> right = product();
                value = right ? std::optional(*value - *right) : std::nullopt;
            } else {
                break;
            }
        }
        return value;
    }

    std::optional<double> product()
    {
        std::optional<double> value = factor();
        while (value) {
            if (take(u'*')) {
                const std::optional<double> right = factor();
                value = right ? std::optional(*value * *right) : std::nullopt;
            } else if (take(u'/')) {
                const std::optional<double> right = factor();
                value = right && *right != 0 ? std::optional(*value / *right) : std::nullopt;
            } else {
                break;
            }
        }
        return value;
    }

    std::optional<double> factor()
    {
        if (take(u'-')) {
            const std::optional<double> value = factor();
            return value ? std::optional(-*value) : std::nullopt;
        }
        if (take(u'+'))
            return factor();
        if (take(u'(')) {
            const std::optional<double> value = sum();
            return value && take(u')') ? value : std::nullopt;
        }
        const qsizetype start = m_at;
        while (m_at < m_text.size() && (m_text.at(m_at).isDigit() || m_text.at(m_at) == u'.'))
            ++m_at;
        bool ok = false;
        const double value = m_text.mid(start, m_at - start).toDouble(&ok);
        return ok ? std::optional(value) : std::nullopt;
    }

    QString m_text;
    qsizetype m_at = 0;
};

} // namespace

std::optional<double> evaluateExpression(const QString &text)
{
    return Parser(text).parse();
}

} // namespace qxmxz

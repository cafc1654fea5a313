#pragma once

#include <QString>
#include <QStringList>
#include <exception>

namespace qxmxz {

// Every layer reports a failure by throwing a Failure that names what failed.
// `key` is set when the failure corresponds to a resource text the user should
// see (the caller looks the text up in the chosen language); `arguments` are
// its placeholders. `detail` carries the technical reason (driver text, SQL).
class Failure : public std::exception {
public:
    explicit Failure(QString text, QString detail = {})
        : m_text(std::move(text)), m_detail(std::move(detail)) { m_what = describe().toUtf8(); }

    static Failure withKey(QString key, QStringList arguments, QString fallbackText)
    {
        Failure f(std::move(fallbackText));
        f.m_key = std::move(key);
        f.m_arguments = std::move(arguments);
        return f;
    }

    const QString &text() const { return m_text; }
    const QString &detail() const { return m_detail; }
    const QString &key() const { return m_key; }
    const QStringList &arguments() const { return m_arguments; }

    QString describe() const { return m_detail.isEmpty() ? m_text : m_text + QStringLiteral(": ") + m_detail; }
    const char *what() const noexcept override { return m_what.constData(); }

private:
    QString m_text;
    QString m_detail;
    QString m_key;
    QStringList m_arguments;
    QByteArray m_what;
};

} // namespace qxmxz

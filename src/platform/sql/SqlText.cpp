#include "SqlText.h"

#include "platform/Failure.h"

namespace qxmxz {

QString sqlQuoted(const QString &value)
{
    QString quoted = value;
    quoted.replace(QLatin1Char('\''), QLatin1String("''"));
    return quoted;
}

static bool hasLikeWildcard(const QString &value)
{
    for (QChar c : value)
        if (c == u'%' || c == u'_' || c == u'[' || c == u']' || c == u'\\')
            return true;
    return false;
}

QString likePrefixParameter(const QString &value)
{
    if (hasLikeWildcard(value))
        throw Failure::withKey(QStringLiteral("QXMXZ.cli.badcode"), {value},
                               QStringLiteral("A code may not contain \"%\", \"_\", \"[\", \"]\" or \"\\\""));
    return value;
}

QString sqlLikePrefix(const QString &value)
{
    return sqlQuoted(likePrefixParameter(value));
}

bool isPlainCode(const QString &value)
{
    if (value.isEmpty() || hasLikeWildcard(value))
        return false;
    for (QChar c : value)
        if (c.isSpace() || c == u'\'' || c == u'"' || c == u';')
            return false;
    return true;
}

} // namespace qxmxz

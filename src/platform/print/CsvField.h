#pragma once

#include <QString>

namespace qxmxz {

// One CSV field: quoted, with its quotes doubled, when it holds a comma, a
// quote or a line break; as it is otherwise.
inline QString csvField(const QString &text)
{
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\n') && !text.contains(u'\r'))
        return text;
    QString q = text;
    q.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return u'"' + q + u'"';
}

} // namespace qxmxz

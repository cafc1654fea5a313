#pragma once

#include <QString>
#include <QStringView>

namespace qxmxz {

// A CSV field is quoted, with its quotes doubled, when it holds a comma, a
// quote or a line break; it stands as it is otherwise.
inline bool csvNeedsQuotes(QStringView text)
{
    for (QChar c : text)
        if (c == u',' || c == u'"' || c == u'\n' || c == u'\r')
            return true;
    return false;
}

inline void appendCsvField(QString &line, QStringView text)
{
    if (!csvNeedsQuotes(text)) {
        line += text;
        return;
    }
    line += u'"';
    for (QChar c : text) {
        if (c == u'"')
            line += u'"';
        line += c;
    }
    line += u'"';
}

inline QString csvField(const QString &text)
{
    if (!csvNeedsQuotes(text))
        return text;
    QString field;
    appendCsvField(field, text);
    return field;
}

} // namespace qxmxz

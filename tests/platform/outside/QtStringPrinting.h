#pragma once

// Readable failure messages for Qt strings in these tests: the text itself
// instead of a dump of UTF-16 code units.

#include <QString>
#include <QStringList>

#include <ostream>

inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QStringList &list, std::ostream *out)
{
    *out << '[';
    for (qsizetype i = 0; i < list.size(); ++i)
        *out << (i ? ", " : "") << '"' << list.at(i).toStdString() << '"';
    *out << ']';
}

#pragma once

#include <QString>
#include <QStringList>
#include <ostream>

#include "platform/values/Currency.h"

// Readable values in GoogleTest's failure messages: the text itself instead
// of a dump of UTF-16 code units, money as its decimal value.

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

namespace qxmxz {
inline void PrintTo(const Currency &value, std::ostream *os)
{
    *os << value.toFixedText().toStdString();
}
} // namespace qxmxz

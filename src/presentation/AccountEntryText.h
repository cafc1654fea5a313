#pragma once

#include <QString>

namespace qxmxz {

// The account code of an account entry such as "1002 银行存款": the text
// trimmed on the left and cut before its first blank.
QString CodeOfEntry(const QString &entry);

// The text before the first blank, or the whole text without one; nothing is
// trimmed, so a leading blank gives an empty text.
QString TextBeforeBlank(const QString &text);

} // namespace qxmxz

#pragma once

#include <QString>

namespace qxmxz {

// The four book styles of a ledger. A style travels as its Chinese text
// (compared after trimming); a missing style means "金额式".
enum class BookStyle { Je = 0, Sl = 1, Wb = 2, SlWb = 3 };

namespace BookStyles {

QString text(BookStyle style);        // "金额式" …
QString code(BookStyle style);        // "Je", "Sl", "Wb", "SlWb"
int index(BookStyle style);           // 0 … 3
// The style of a text; an empty text gives "金额式"; an unknown one nothing.
bool fromText(const QString &text, BookStyle &style);
// The style of a code as the command line takes it ("je", "sl", "wb", "slwb", any case).
bool fromCode(const QString &code, BookStyle &style);
bool showsQuantity(BookStyle style);
bool showsForeignCurrency(BookStyle style);

} // namespace BookStyles
} // namespace qxmxz

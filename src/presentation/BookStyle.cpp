#include "BookStyle.h"

namespace qxmxz::BookStyles {

namespace {

struct Entry {
    BookStyle style;
    const char *text;
    const char *code;
};

const Entry Entries[] = {
    {BookStyle::Je, "金额式", "Je"},
    {BookStyle::Sl, "数量金额式", "Sl"},
    {BookStyle::Wb, "外币金额式", "Wb"},
    {BookStyle::SlWb, "数量外币式", "SlWb"},
};

} // namespace

QString text(BookStyle style)
{
    return QString::fromUtf8(Entries[index(style)].text);
}

QString code(BookStyle style)
{
    return QString::fromLatin1(Entries[index(style)].code);
}

int index(BookStyle style)
{
    return static_cast<int>(style);
}

bool fromText(const QString &text, BookStyle &style)
{
    const QString t = text.trimmed();
    if (t.isEmpty()) {
        style = BookStyle::Je;
        return true;
    }
    for (const Entry &e : Entries)
        if (t == QString::fromUtf8(e.text)) {
            style = e.style;
            return true;
        }
    return false;
}

bool fromCode(const QString &code, BookStyle &style)
{
    for (const Entry &e : Entries)
        if (code.trimmed().compare(QString::fromLatin1(e.code), Qt::CaseInsensitive) == 0) {
            style = e.style;
            return true;
        }
    return false;
}

bool showsQuantity(BookStyle style)
{
    return style == BookStyle::Sl || style == BookStyle::SlWb;
}

bool showsForeignCurrency(BookStyle style)
{
    return style == BookStyle::Wb || style == BookStyle::SlWb;
}

} // namespace qxmxz::BookStyles

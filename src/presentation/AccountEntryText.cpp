#include "AccountEntryText.h"

namespace qxmxz {

namespace {

QString trimmedLeft(const QString &text)
{
    qsizetype first = 0;
    while (first < text.size() && text.at(first) == u' ')
        ++first;
    return text.mid(first);
}

} // namespace

QString TextBeforeBlank(const QString &text)
{
    const qsizetype blank = text.indexOf(u' ');
    return blank < 0 ? text : text.left(blank);
}

QString CodeOfEntry(const QString &entry)
{
    return TextBeforeBlank(trimmedLeft(entry));
}

} // namespace qxmxz

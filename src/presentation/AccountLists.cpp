#include "AccountLists.h"

#include "platform/outside/GlPublic.h"

namespace qxmxz {

namespace {

template <typename Keep>
QStringList entriesWhere(const GlPublic &pub, Keep keep)
{
    QStringList entries;
    for (const AccountRecord &account : pub.chart().accounts())
        if (keep(account))
            entries << accountEntry(pub, account.code);
    return entries;
}

} // namespace

bool inAccountRange(const QString &code, const QString &start, const QString &end)
{
    if (!start.isEmpty() && code < start)
        return false;
    return end.isEmpty() || code <= end || code.startsWith(end);
}

QString accountEntry(const GlPublic &pub, const QString &code)
{
    return code + u' ' + pub.accountName(code);
}

QStringList accountEntriesOfRange(const GlPublic &pub, const QString &start, const QString &end)
{
    return entriesWhere(pub, [&](const AccountRecord &a) { return inAccountRange(a.code, start, end); });
}

QStringList accountEntriesAtGrade(const GlPublic &pub, const QString &firstGradeCode, int grade,
                                  const QString &start, const QString &end)
{
    return entriesWhere(pub, [&](const AccountRecord &a) {
        return a.grade == grade && a.code.startsWith(firstGradeCode) && inAccountRange(a.code, start, end);
    });
}

QStringList generalLedgerAccountEntries(const GlPublic &pub, const QString &start, const QString &end,
                                        int firstGrade, int lastGrade, bool endAccountsOnly)
{
    return entriesWhere(pub, [&](const AccountRecord &a) {
        if (!inAccountRange(a.code, start, end))
            return false;
        return endAccountsOnly ? a.isEnd : a.grade >= firstGrade && a.grade <= lastGrade;
    });
}

} // namespace qxmxz

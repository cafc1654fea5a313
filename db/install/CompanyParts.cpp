#include "CompanyParts.h"

#include <QHash>
#include <QVariant>
#include <algorithm>

#include "TableLoader.h"
#include "platform/Failure.h"

namespace qxmxz::db {

namespace {

QVariant textOrNull(const QString &text)
{
    return text.isEmpty() ? QVariant() : QVariant(text);
}

QVariant flag(bool value)
{
    return QVariant(value ? 1 : 0);
}

QString directionWord(Currency signedAmount)
{
    if (signedAmount.sign() > 0)
        return QStringLiteral("借");
    if (signedAmount.sign() < 0)
        return QStringLiteral("贷");
    return QStringLiteral("平");
}

} // namespace

int gradeOfCode(const QString &code)
{
    switch (code.size()) {
    case 4: return 1;
    case 6: return 2;
    case 8: return 3;
    default:
        throw Failure(QStringLiteral("The account code %1 does not follow the lengths 4-2-2").arg(code));
    }
}

void writeChart(Connection &connection, int year, QList<Account> accounts, const QList<Account> &addedLater)
{
    std::sort(accounts.begin(), accounts.end(), [](const Account &a, const Account &b) { return a.code < b.code; });
    QList<Account> whole = accounts + addedLater;
    std::sort(whole.begin(), whole.end(), [](const Account &a, const Account &b) { return a.code < b.code; });
    QHash<QString, bool> endFlags;
    for (qsizetype i = 0; i < whole.size(); ++i) {
        const Account &a = whole[i];
        if (endFlags.contains(a.code))
            throw Failure(QStringLiteral("The account %1 is in the chart twice").arg(a.code));
        if (gradeOfCode(a.code) > 1) {
            const QString parent = a.code.left(a.code.size() - 2);
            if (!endFlags.contains(parent))
                throw Failure(QStringLiteral("The account %1 has no parent account %2").arg(a.code, parent));
        }
        endFlags.insert(a.code, i + 1 == whole.size() || !whole[i + 1].code.startsWith(a.code));
    }
    TableLoader loader(connection, QStringLiteral("code"),
                       {QStringLiteral("iyear"), QStringLiteral("ccode"), QStringLiteral("ccode_name"), QStringLiteral("ccode_engl"),
                        QStringLiteral("igrade"), QStringLiteral("bend"), QStringLiteral("bproperty"), QStringLiteral("cexch_name"),
                        QStringLiteral("cmeasure"), QStringLiteral("bperson"), QStringLiteral("bcus"), QStringLiteral("bsup"),
                        QStringLiteral("bdept"), QStringLiteral("bitem"), QStringLiteral("citem_class"), QStringLiteral("bday"),
                        QStringLiteral("bcash"), QStringLiteral("bbank"), QStringLiteral("cclass")});
    for (const Account &a : accounts + addedLater)
        loader.add({year, a.code, a.name, textOrNull(a.englishName), gradeOfCode(a.code), flag(endFlags.value(a.code)),
                    flag(a.debitNatured), textOrNull(a.currency), textOrNull(a.unit), flag(a.byPerson), flag(a.byCustomer),
                    flag(a.bySupplier), flag(a.byDepartment), flag(a.byItem), textOrNull(a.itemClass), flag(a.journal),
                    flag(a.cash), flag(a.bank), textOrNull(a.accountClass)});
    loader.finish();
}

void writeOpenings(Connection &connection, int year, const QList<Opening> &openings)
{
    TableLoader loader(connection, QStringLiteral("GL_accsum"),
                       {QStringLiteral("iyear"), QStringLiteral("ccode"), QStringLiteral("iperiod"), QStringLiteral("cbegind_c"),
                        QStringLiteral("mb"), QStringLiteral("mb_f"), QStringLiteral("nb_s")});
    for (const Opening &o : openings) {
        // Balances are magnitudes beside their direction; foreign amount and
        // quantity take the direction of the amount.
        const int sign = o.amount.sign() < 0 ? -1 : 1;
        loader.add({year, o.code, 1, directionWord(o.amount), QVariant::fromValue(o.amount * sign),
                    QVariant::fromValue(o.foreignAmount * sign), o.quantity * sign});
    }
    loader.finish();
}

} // namespace qxmxz::db

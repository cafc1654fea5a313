#include "ChartOfAccounts.h"

#include <algorithm>

#include "platform/sql/Connection.h"

namespace qxmxz {

ChartOfAccounts ChartOfAccounts::load(Connection &connection, int year)
{
    ChartOfAccounts chart;
    RecordSet rs = connection.query(QStringLiteral(
        "select ccode,ccode_name,ccode_engl,igrade,bend,bproperty,cexch_name,cmeasure,bperson,bcus,bsup,bdept,bitem,"
        "bday,bcash,bbank from code where iyear=%1 order by ccode").arg(year));
    for (; !rs.eof(); rs.moveNext()) {
        AccountRecord a;
        a.exists = true;
        a.code = rs.text(QStringLiteral("ccode")).trimmed();
        a.name = rs.text(QStringLiteral("ccode_name"));
        a.englishName = rs.text(QStringLiteral("ccode_engl"));
        a.grade = rs.field(QStringLiteral("igrade")).toInt();
        a.isEnd = rs.field(QStringLiteral("bend")).toInt() == 1;
        a.debitNatured = rs.field(QStringLiteral("bproperty")).toInt() != 0;
        a.currencyName = rs.text(QStringLiteral("cexch_name")).trimmed();
        a.measureUnit = rs.text(QStringLiteral("cmeasure")).trimmed();
        a.byPerson = rs.field(QStringLiteral("bperson")).toInt() == 1;
        a.byCustomer = rs.field(QStringLiteral("bcus")).toInt() == 1;
        a.bySupplier = rs.field(QStringLiteral("bsup")).toInt() == 1;
        a.byDepartment = rs.field(QStringLiteral("bdept")).toInt() == 1;
        a.byItem = rs.field(QStringLiteral("bitem")).toInt() == 1;
        a.isJournal = rs.field(QStringLiteral("bday")).toInt() == 1;
        a.isCash = rs.field(QStringLiteral("bcash")).toInt() == 1;
        a.isBank = rs.field(QStringLiteral("bbank")).toInt() == 1;
        chart.m_index.insert(a.code, int(chart.m_accounts.size()));
        chart.m_accounts.append(a);
        if (a.grade >= 1) {
            while (chart.m_gradeLengths.size() < a.grade)
                chart.m_gradeLengths.append(0);
            int &length = chart.m_gradeLengths[a.grade - 1];
            if (length == 0)
                length = int(a.code.size());
        }
    }
    RecordSet cur = connection.query(QStringLiteral("select cexch_name,cexch_code,bcal,idec from foreigncurrency order by i_id"));
    for (; !cur.eof(); cur.moveNext()) {
        CurrencyRecord c;
        c.exists = true;
        c.name = cur.text(QStringLiteral("cexch_name")).trimmed();
        c.code = cur.text(QStringLiteral("cexch_code")).trimmed();
        c.multiply = cur.field(QStringLiteral("bcal")).toInt() != 0;
        c.rateDecimals = cur.isNull(QStringLiteral("idec")) ? 4 : cur.field(QStringLiteral("idec")).toInt();
        chart.m_currencies.append(c);
    }
    return chart;
}

const AccountRecord *ChartOfAccounts::find(const QString &code) const
{
    const auto it = m_index.constFind(code.trimmed());
    return it == m_index.constEnd() ? nullptr : &m_accounts[it.value()];
}

QList<const AccountRecord *> ChartOfAccounts::accountsUnder(const QString &prefix) const
{
    QList<const AccountRecord *> list;
    auto it = std::lower_bound(m_accounts.begin(), m_accounts.end(), prefix,
                               [](const AccountRecord &a, const QString &p) { return a.code < p; });
    for (; it != m_accounts.end() && it->code.startsWith(prefix); ++it)
        list.append(&*it);
    return list;
}

CurrencyRecord ChartOfAccounts::currency(const QString &name) const
{
    for (const CurrencyRecord &c : m_currencies)
        if (c.name == name.trimmed())
            return c;
    return {};
}

int ChartOfAccounts::codeLength(int grade) const
{
    return grade >= 1 && grade <= m_gradeLengths.size() ? m_gradeLengths[grade - 1] : 0;
}

int ChartOfAccounts::gradeOf(const QString &code) const
{
    if (const AccountRecord *a = find(code))
        return a->grade;
    const int index = int(m_gradeLengths.indexOf(int(code.trimmed().size())));
    return index < 0 ? 0 : index + 1;
}

QStringList ChartOfAccounts::ancestorCodes(const QString &code) const
{
    QStringList codes;
    const int grade = gradeOf(code);
    for (int g = 1; g < grade; ++g) {
        const int length = codeLength(g);
        if (length > 0 && length < code.size())
            codes << code.left(length);
    }
    return codes;
}

} // namespace qxmxz

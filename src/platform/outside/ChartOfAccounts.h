#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

namespace qxmxz {

class Connection;

// One account of the chart (table code).
struct AccountRecord {
    bool exists = false;
    QString code;
    QString name;
    QString englishName;
    int grade = 0;
    bool isEnd = false;
    QString currencyName; // empty: home currency only
    QString measureUnit;  // empty: no quantities
    bool debitNatured = true;
    bool isJournal = false; // a day-book account, read through the journals instead
    bool byPerson = false, byCustomer = false, bySupplier = false, byDepartment = false, byItem = false;
    bool isCash = false, isBank = false;

    bool hasQuantity() const { return !measureUnit.isEmpty(); }
    bool hasForeignCurrency() const { return !currencyName.isEmpty(); }
};

// One foreign currency (table foreigncurrency).
struct CurrencyRecord {
    bool exists = false;
    QString name;
    QString code;
    bool multiply = true; // amount = foreign × rate; otherwise amount = foreign ÷ rate
    int rateDecimals = 4;
};

// The chart of accounts and the currencies of one year, read once.
class ChartOfAccounts {
public:
    static ChartOfAccounts load(Connection &connection, int year);

    const AccountRecord *find(const QString &code) const;
    const QList<AccountRecord> &accounts() const { return m_accounts; } // in code order
    QList<const AccountRecord *> accountsUnder(const QString &prefix) const;
    CurrencyRecord currency(const QString &name) const;
    const QList<CurrencyRecord> &currencies() const { return m_currencies; } // in i_id order

    int gradeCount() const { return int(m_gradeLengths.size()); }
    // Length of a code of the grade (grade 1 = 4 with a 4-2-2 rule); 0 for a grade outside the rule.
    int codeLength(int grade) const;
    // The grade of a code: the account's own, or the grade whose length the code has; 0 when neither.
    int gradeOf(const QString &code) const;
    // The codes of the ancestors of a code, from grade 1 to its parent.
    QStringList ancestorCodes(const QString &code) const;

private:
    QList<AccountRecord> m_accounts;
    QHash<QString, int> m_index;
    QList<CurrencyRecord> m_currencies;
    QList<int> m_gradeLengths;
};

} // namespace qxmxz

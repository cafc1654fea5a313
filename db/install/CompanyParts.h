#pragma once

#include <QList>
#include <QString>

#include "platform/values/Currency.h"

namespace qxmxz {
class Connection;
}

namespace qxmxz::db {

// One account of a chart; grade and end flag follow from the codes (4-2-2).
struct Account {
    QString code;
    QString name;
    QString englishName;
    bool debitNatured = true;
    QString currency; // empty: home currency only
    QString unit;     // empty: no quantity
    bool byPerson = false;
    bool byCustomer = false;
    bool bySupplier = false;
    bool byDepartment = false;
    bool byItem = false;
    QString itemClass;
    bool journal = false;
    bool cash = false;
    bool bank = false;
    QString accountClass;
};

// The year-opening balance of an end account, signed debit-positive.
struct Opening {
    QString code;
    Currency amount;
    Currency foreignAmount;
    double quantity = 0;
};

int gradeOfCode(const QString &code);

// Writes the chart into `code`, in code order, then the accounts added
// later in the order given, as a chart that grew over the years is stored;
// an account is an end account when no other account of either list lies
// under it.
void writeChart(Connection &connection, int year, QList<Account> accounts, const QList<Account> &addedLater = {});

// Writes the period-1 rows of GL_accsum that carry the year openings; the
// other rows come from rebuildAccountSums.
void writeOpenings(Connection &connection, int year, const QList<Opening> &openings);

} // namespace qxmxz::db

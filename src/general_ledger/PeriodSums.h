#pragma once

#include <QMap>
#include <QString>

#include "platform/values/Currency.h"

namespace qxmxz {

class Connection;

// The figures of one period of an account for the general ledger: the signed
// balance at its start (debit positive) and its debit and credit, in amount,
// foreign amount and quantity. Foreign amounts count only for accounts kept in
// a currency, quantities only for accounts with a unit.
struct PeriodSums {
    Currency opening, debit, credit;
    Currency openingForeign, debitForeign, creditForeign;
    double openingQuantity = 0, debitQuantity = 0, creditQuantity = 0;
};

// Period → figures.
using PeriodSumsByPeriod = QMap<int, PeriodSums>;

namespace PeriodSumsQuery {

// The posted figures from the account period sums. An end account reads its
// own rows; a parent reads the rows of the non-end accounts under it, which
// hold the sums of their direct end children, so every end account counts once.
QString posted(const QString &code, bool isEndAccount, int year);

// The figures of the unposted valid lines (not yet booked); their opening is
// the period's net movement. `personCode`, when not empty, limits them to a person.
QString unposted(const QString &code, bool isEndAccount, int year, const QString &personCode);

// Runs one of the statements above.
PeriodSumsByPeriod read(Connection &connection, const QString &sql);

} // namespace PeriodSumsQuery
} // namespace qxmxz

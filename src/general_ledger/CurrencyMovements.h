#pragma once

#include <QMap>
#include <QString>
#include <QStringList>
#include <QVector>

#include "totals/AccSumRec.h"

namespace qxmxz {

class GlPublic;

// The movements of the accounts under a code per period and currency, from the
// database procedure GL_glCode: for each period, a totals record per currency
// of the currency list (element 0 unused, element i the i-th currency counted
// from 1), holding the period's debit and credit.
using CurrencyMovementsByPeriod = QMap<int, QVector<AccSumRec>>;

namespace CurrencyMovements {

// "GL_glCode 'C%',P,12,1,Y" (",12,0," for posted lines only).
QString statement(const QString &code, int firstPeriod, bool includeUnposted, int year);

// Runs the statement. A line without a currency belongs to the home currency;
// a currency the list does not hold is left out.
CurrencyMovementsByPeriod read(GlPublic &pub, const QStringList &currencyNames, const QString &code, int firstPeriod,
                               bool includeUnposted);

} // namespace CurrencyMovements
} // namespace qxmxz

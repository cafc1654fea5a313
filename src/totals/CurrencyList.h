#pragma once

#include <QStringList>
#include <QVector>

#include "AccSumRec.h"

namespace qxmxz {

class GlPublic;

// The currency names in display order (foreigncurrency by i_id); a row
// without a name stands for the home currency and takes its name from the
// general-ledger options. Never empty: a table without rows gives the home
// currency alone. The count of currencies is the size of the list.
QStringList LoadCurrencyNames(const GlPublic &pub);

// A per-currency totals array for the same list: element 0 the account
// total (no name), elements 1..n the currencies with their names, every
// figure 0 and the direction "平".
QVector<AccSumRec> InitCurrencyTotals(const GlPublic &pub);

} // namespace qxmxz

#pragma once

#include <QString>

#include "AccSumRec.h"

namespace qxmxz {

class GlPublic;

// What the totals of a ledger over several accounts may add up. Amounts
// always; foreign amounts only when the accounts keep at most one foreign
// currency, and quantities only when they count in at most one unit: dollars
// and Hong Kong dollars, tons and kilograms, have no sum.
struct LedgerMeasures {
    bool oneCurrency = true;
    bool oneUnit = true;
};

// The measures of the end accounts under `code` in the login's year.
LedgerMeasures measuresUnder(const GlPublic &pub, const QString &code);

// The record with the figures that have no sum cleared (foreign amounts,
// quantities), so that a row written from it shows them empty.
AccSumRec summableFigures(AccSumRec record, const LedgerMeasures &measures);

} // namespace qxmxz

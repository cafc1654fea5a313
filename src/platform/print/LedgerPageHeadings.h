#pragma once

#include <QString>

#include "LedgerSheet.h"

namespace qxmxz {

class GlPublic;

// The page-header fields t1..t6 of the two page tables of a printed detail
// or month-by-month ledger: title, account, periods, money unit, quantity
// unit and currency; under them the signature fields and the print date.
PageHeading detailPageHeading(const GlPublic &pub, const QString &account, const QString &periods,
                              const QString &unit, const QString &currency);
// The same for the general ledger.
PageHeading generalPageHeading(const GlPublic &pub, const QString &account, const QString &unit,
                               const QString &currency);

} // namespace qxmxz

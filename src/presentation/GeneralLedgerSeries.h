#pragma once

#include <QList>
#include <optional>

#include "platform/values/Currency.h"

namespace qxmxz {

class GlPublic;
class GridModel;

// One period of the general ledger as the balance chart shows it.
struct GeneralLedgerPoint {
    int period = 0;
    Currency debit;
    Currency credit;
    // Positive on the account's own side (debit for an asset, credit for a
    // liability), negative past zero on the other side.
    Currency balance;
    // Only where the row shows one currency's balance.
    std::optional<Currency> foreignBalance;
};

// The periods of the general-ledger grid of `code`, read from the rows it
// shows: each period's month-total row (the first row of the period), in
// grid order. The heading rows, the opening row, the cumulative rows and the
// per-currency rows are passed over.
QList<GeneralLedgerPoint> generalLedgerSeries(const GlPublic &pub, const GridModel &grid, const QString &code);

} // namespace qxmxz

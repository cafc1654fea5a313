#pragma once

#include <QString>

namespace qxmxz {
class GlPublic;
}

namespace qxmxz::cli {

// The valid voucher lines of the accounts from `firstCode` to `lastCode`
// (their sub-accounts included) in the period range: how many lines a
// ledger run will go through, for the progress line of a terminal.
qint64 voucherLineCount(GlPublic &pub, const QString &firstCode, const QString &lastCode, int fromPeriod, int toPeriod,
                        bool includeUnposted);

} // namespace qxmxz::cli

#pragma once

#include <QString>

#include "CliArguments.h"
#include "presentation/BookStyle.h"

namespace qxmxz {
class GlPublic;
}

namespace qxmxz::cli {

// The options every ledger command shares, checked against the account set.
struct LedgerOptions {
    int fromPeriod = 1;
    int toPeriod = 12;
    bool includeUnposted = false;
    BookStyle style = BookStyle::Je;
};

// --from/--to (a period number, a period text such as 2026.03, or a date in
// the period), --unposted, --style je|sl|wb|slwb. Throws a Failure with the
// command line's key for a malformed or reversed period or an unknown style.
LedgerOptions readLedgerOptions(const CliArguments &args, const GlPublic &pub);

// The account code of a positional argument: a plain code the chart knows.
// Throws "QXMXZ.cli.badcode" or "QXMXZ.cli.unknownaccount".
QString requireAccount(const GlPublic &pub, const QString &code);

} // namespace qxmxz::cli

#pragma once

#include <QTextStream>
#include <memory>
#include <optional>

#include "CliArguments.h"
#include "CommandOutput.h"
#include "CommandRights.h"
#include "LedgerSeries.h"
#include "SheetOutput.h"

namespace qxmxz {
class GlPublic;
}

namespace qxmxz::cli {

// Where the ledgers of one command go: a spreadsheet or PDF file of one
// ledger (through the print control), or the text output that takes every
// ledger of the command in turn.
struct LedgerOutputs {
    SheetFormat sheet = SheetFormat::None;
    TableFormat format = TableFormat::Table;
    std::optional<CommandOutput> output;
    std::optional<LedgerSeries> series;

    // Closes the text output and puts its file in place; after a stop the
    // rows so far reach the screen, but a file of a partial ledger is not made.
    void commit(bool stopped);
};

// Nothing when the user may not print or export what was asked (the refusal
// has been shown); throws for a sheet file of several ledgers and for an
// unknown format.
std::unique_ptr<LedgerOutputs> openLedgerOutputs(GlPublic &pub, const CliArguments &args, QTextStream &out,
                                               LedgerCommand command, qsizetype ledgers);

} // namespace qxmxz::cli

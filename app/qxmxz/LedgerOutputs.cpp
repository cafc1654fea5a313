#include "LedgerOutputs.h"

#include "platform/Failure.h"

namespace qxmxz::cli {

void LedgerOutputs::commit(bool stopped)
{
    if (!series || (stopped && output->writesFile()))
        return;
    series->finish();
    output->commit();
}

std::unique_ptr<LedgerOutputs> openLedgerOutputs(GlPublic &pub, const CliArguments &args, QTextStream &out,
                                               LedgerCommand command, qsizetype ledgers)
{
    auto outputs = std::make_unique<LedgerOutputs>();
    outputs->sheet = sheetFormat(args);
    if (outputs->sheet != SheetFormat::None) {
        // One file is one ledger's pages; a list is refused rather than cut to its first.
        if (ledgers > 1)
            throw Failure::withKey(QStringLiteral("QXMXZ.cli.oneaccountsheet"), {}, QStringLiteral("One account per sheet file"));
        if (!maySheetOutput(pub, command, outputs->sheet))
            return nullptr;
        return outputs;
    }
    outputs->format = CommandOutput::tableFormat(args);
    outputs->output.emplace(args, out);
    outputs->series.emplace(pub, outputs->output->device(), outputs->format, ledgers);
    return outputs;
}

} // namespace qxmxz::cli

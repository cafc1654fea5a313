// The general ledger on the command line.
#include "LedgerRequest.h"
#include "CommandOutput.h"
#include "SheetOutput.h"
#include "platform/print/LedgerExportClasses.h"
#include "platform/print/LedgerSheet.h"
#include <optional>
#include "Commands.h"
#include "GeneralLedgerTable.h"
#include "LedgerOutputs.h"
#include "LedgerSeries.h"
#include "platform/Failure.h"
#include "TypedLedgerTable.h"
#include "LedgerOptions.h"
#include "RunProgress.h"
#include "general_ledger/basGrwl.h"
#include "platform/ui/GridModel.h"
#include "platform/ui/HintState.h"

namespace qxmxz::cli {

int runGeneral(const CliArguments &args, QTextStream &out, QTextStream &err)
{
    std::optional<LedgerRequest> ledger = openLedgerRequest(args, err, LedgerCommand::General);
    if (!ledger)
        return 1;
    GlPublic &pub = ledger->pub();
    const LedgerOptions &options = ledger->options;
    std::unique_ptr<LedgerOutputs> outputs = openLedgerOutputs(pub, args, out, LedgerCommand::General, ledger->accounts.size());
    if (!outputs)
        return 1;
    const SheetFormat sheet = outputs->sheet;
    const TableFormat format = outputs->format;

    for (const QString &account : std::as_const(ledger->accounts)) {
        GridModel grid;
        HintState hint, unitLabel, currencyLabel;
        const int style = BookStyles::index(options.style);
        basGrwl::LayOutHeading(pub, grid, QStringLiteral("GL0301"), style);
        // Measured from the heading on: the first rows after it are the ledger's.
        RunProgress progress(hint, grid, err);
        basGrwl::Request request;
        request.code = account;
        request.includeUnposted = options.includeUnposted;
        request.styleIndex = style;
        request.firstPeriod = options.fromPeriod;
        request.lastPeriod = options.toPeriod;
        request.unitLabel = &unitLabel;
        request.currencyLabel = &currencyLabel;
        const int rows = basGrwl::FillRows(pub, grid, request);
        progress.finish();

        if (sheet != SheetFormat::None) {
            LedgerSheet printed = headedGridSheet(grid, generalLedgerExportClasses());
            printed.heading = generalPageHeading(pub, account + QLatin1Char(' ') + pub.accountName(account), unitLabel.text(),
                                                 currencyLabel.text());
            const bool quantity = BookStyles::showsQuantity(options.style);
            writeSheetOutput(pub, args, sheet, printed,
                             (quantity ? QStringLiteral("GLSl") : QStringLiteral("GLZz")) + BookStyles::code(options.style));
        } else if (format != TableFormat::Table && !args.has(QStringLiteral("raw"))) {
            const TypedLedgerHeading heading{QStringLiteral("general"), account, QString(), options.fromPeriod, options.toPeriod,
                                             BookStyles::code(options.style).toLower(), options.includeUnposted, {}};
            outputs->series->write(typedLedgerTable(pub, grid, generalLedgerColumns(), heading), account);
        } else {
            outputs->series->write(generalLedgerTable(grid, format == TableFormat::Json), account);
        }
        finishLedgerRun(*ledger, account, args, err, progress, rows, false);
    }
    outputs->commit(false);
    return 0;
}

} // namespace qxmxz::cli

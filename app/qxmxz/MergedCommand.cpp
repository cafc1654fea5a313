// The merged detail ledger on the command line.
#include "LedgerRequest.h"
#include "CommandOutput.h"
#include "SheetOutput.h"
#include "platform/print/LedgerExportClasses.h"
#include <optional>
#include "Commands.h"
#include "HeadlessMergeWindow.h"
#include "LedgerOptions.h"
#include "LedgerOutputs.h"
#include "StopOnSignals.h"
#include "LedgerSeries.h"
#include "LedgerTable.h"
#include "RunProgress.h"
#include "merge/MergeTable.h"
#include "merge/clsMxzHb.h"
#include "platform/Failure.h"
#include "platform/ui/GridModel.h"
#include "platform/ui/HeaderModel.h"
#include "platform/ui/HintState.h"
#include "platform/ui/StopButtonState.h"
#include "presentation/LedgerGridLayout.h"

namespace qxmxz::cli {

namespace {

clsMxzHb::mxzHbType mergeModeOf(const CliArguments &args)
{
    const QString by = args.value(QStringLiteral("by"), QStringLiteral("digest"));
    if (by == u"digest")
        return clsMxzHb::enuCodeDigest;
    if (by == u"code")
        return clsMxzHb::enuKmCode;
    throw Failure::withKey(QStringLiteral("QXMXZ.cli.badvalue"), {QStringLiteral("--by"), by},
                           QStringLiteral("--by takes digest or code"));
}

} // namespace

int runMerged(const CliArguments &args, QTextStream &out, QTextStream &err)
{
    std::optional<LedgerRequest> request = openLedgerRequest(args, err, LedgerCommand::Merged);
    if (!request)
        return 1;
    GlPublic &pub = request->pub();
    const LedgerOptions &options = request->options;
    const clsMxzHb::mxzHbType mode = mergeModeOf(args);
    // From the moment an output file is begun, Ctrl+C stops the run instead of the process.
    StopOnSignals commandStops;
    std::unique_ptr<LedgerOutputs> outputs = openLedgerOutputs(pub, args, out, LedgerCommand::Merged, request->accounts.size());
    if (!outputs)
        return 1;
    const SheetFormat sheet = outputs->sheet;
    const TableFormat format = outputs->format;

    int exitCode = 0;
    for (const QString &account : std::as_const(request->accounts)) {
        GridModel grid;
        HeaderModel header;
        HintState hint, quantityLabel, currencyLabel;
        StopButtonState stop;
        qint16 columnOption = 1; // the account columns: a parent's rows name their sub-accounts
        LayOutLedgerGrid(pub, grid, header, BookStyles::text(options.style), columnOption, 4, LedgerLayoutFlags{});
        HeadlessMergeWindow window(grid);

        clsMxzHb hb(pub);
        hb.mxForm = &window;
        hb.Grd1 = &grid;
        hb.mxHeader = &header;
        hb.lblSl = &quantityLabel;
        hb.lblWb = &currencyLabel;
        hb.lblHint = &hint;
        hb.cmdStop = &stop;
        hb.iStart = quint8(options.fromPeriod);
        hb.iEnd = quint8(options.toPeriod);
        hb.sCallState = pub.text(QStringLiteral("R7.GL.QXMXZ.clsmxzhb.query"));
        hb.iLinesEachPage = quint8(integerOption(args, QStringLiteral("page-lines"), 60, 3, 255));
        hb.setInclude(options.includeUnposted);
        hb.setIsOrder(args.has(QStringLiteral("each-end")));
        hb.setHbType(mode);
        hb.setKmCode(account);

        RunProgress progress(hint, grid, err);
        countLedgerLines(progress, *request, account, account);
        hb.mxzCodeHbQuery(qint16(BookStyles::index(options.style)));
        progress.finish();
        if (hb.ledgersWritten() == 0)
            return 1;

        // A stopped run's ledger is partial: no file is written of it.
        if (sheet != SheetFormat::None && !hb.stoppedByUser()) {
            LedgerSheet printed = ledgerGridSheet(grid, header, 1, 21, ledgerExportClasses());
            printed.heading = detailPageHeading(pub, account + QLatin1Char(' ') + pub.accountName(account),
                                                pub.periodText(options.fromPeriod) + QStringLiteral(" - ") + pub.periodText(options.toPeriod),
                                                quantityLabel.text(), currencyLabel.text());
            writeSheetOutput(pub, args, sheet, printed, QStringLiteral("GLMxz") + BookStyles::code(options.style));
        } else {
            TypedLedgerHeading heading{QStringLiteral("merged"), account, QString(), options.fromPeriod, options.toPeriod,
                                       BookStyles::code(options.style).toLower(), options.includeUnposted, {}};
            heading.extra.insert(QStringLiteral("mergeBy"), mode == clsMxzHb::enuKmCode ? QStringLiteral("account") : QStringLiteral("summary"));
            outputs->series->write(ledgerOutputTable(pub, grid, header, MergeTable::columns(), format, args.has(QStringLiteral("raw")), heading),
                          account);
        }
        exitCode = finishLedgerRun(*request, account, args, err, progress, grid.Rows(), hb.stoppedByUser());
        if (hb.stoppedByUser())
            break;
    }
    outputs->commit(exitCode != 0);
    return exitCode;
}

} // namespace qxmxz::cli

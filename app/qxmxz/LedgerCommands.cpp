// The detail ledger and the month-by-month ledger on the command line.
#include <optional>

#include "LedgerRequest.h"
#include "CommandOutput.h"
#include "Commands.h"
#include "LedgerOptions.h"
#include "LedgerOutputs.h"
#include "LedgerSeries.h"
#include "LedgerTable.h"
#include "RunProgress.h"
#include "SheetOutput.h"
#include "StopOnSignals.h"
#include "engine/LedgerHost.h"
#include "engine/kmmx.h"
#include "platform/Failure.h"
#include "platform/ui/GridModel.h"
#include "platform/ui/HeaderModel.h"
#include "platform/ui/HintState.h"
#include "platform/ui/StopButtonState.h"
#include "presentation/LedgerGridLayout.h"
#include "services/DisplayTableColumns.h"
#include "platform/print/LedgerExportClasses.h"

namespace qxmxz::cli {

namespace {

enum class LedgerKind { Detail, Monthly };

int runLedger(LedgerKind kind, const CliArguments &args, QTextStream &out, QTextStream &err)
{
    std::optional<LedgerRequest> request = openLedgerRequest(
        args, err, kind == LedgerKind::Monthly ? LedgerCommand::Monthly : LedgerCommand::Detail,
        kind == LedgerKind::Monthly);
    if (!request)
        return 1;
    GlPublic &pub = request->pub();
    const LedgerOptions &options = request->options;
    const QString &endAccount = request->endAccount;
    const bool byPeriod = args.value(QStringLiteral("by"), QStringLiteral("code")) == u"period" || args.has(QStringLiteral("by-period"));
    if (args.has(QStringLiteral("by")) && !QStringList{QStringLiteral("code"), QStringLiteral("period")}.contains(args.value(QStringLiteral("by"))))
        throw Failure::withKey(QStringLiteral("QXMXZ.cli.badvalue"), {QStringLiteral("--by"), args.value(QStringLiteral("by"))},
                               QStringLiteral("--by takes code or period"));
    const LedgerCommand command = kind == LedgerKind::Monthly ? LedgerCommand::Monthly : LedgerCommand::Detail;
    // From the moment an output file is begun, Ctrl+C stops the run instead of the process.
    StopOnSignals commandStops;
    std::unique_ptr<LedgerOutputs> outputs = openLedgerOutputs(pub, args, out, command, request->accounts.size());
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
        LedgerLayoutFlags flags;
        flags.secondLayout = kind == LedgerKind::Monthly;
        flags.counterpartShown = args.has(QStringLiteral("counterpart"));
        qint16 columnOption = byPeriod && kind == LedgerKind::Detail ? 0 : 1;
        LayOutLedgerGrid(pub, grid, header, BookStyles::text(options.style), columnOption, 4, flags);

        HeadlessLedgerHost host;
        host.account = account + QLatin1Char(' ') + pub.accountName(account);
        host.option = byPeriod ? 0 : 1;
        host.firstGrade = integerOption(args, QStringLiteral("grade"), 1, 1, std::max(1, pub.gradeCount()));
        host.stopWhen = [] { return StopOnSignals::requested(); };

        kmmx engine(pub);
        engine.sMode = QString::fromUtf8(kmmx::QueryMode);
        engine.sKmCode = account;
        engine.objHeader = &header;
        engine.frmLedger = &host;
        engine.objGrid = &grid;
        engine.bBeginPeriod = quint8(options.fromPeriod);
        engine.bEndPeriod = quint8(options.toPeriod);
        engine.bIncludeUnposted = options.includeUnposted ? 1 : 0;
        engine.bPageLines = quint8(integerOption(args, QStringLiteral("page-lines"), 60, 3, 255));
        engine.objQtyLabel = &quantityLabel;
        engine.objCurLabel = &currencyLabel;
        engine.objHint = &hint;
        engine.objStop = &stop;
        engine.iShowEqual = flags.counterpartShown ? 1 : 0;
        engine.iEqualWithName = args.value(QStringLiteral("counterpart")) == u"names" ? 1 : 0;
        if (kind == LedgerKind::Monthly) {
            engine.sBeginCode = account;
            engine.sEndCode = endAccount.isEmpty() ? account : endAccount;
        }

        StopOnSignals stopSignals;
        RunProgress progress(hint, grid, err);
        countLedgerLines(progress, *request, account, kind == LedgerKind::Monthly ? engine.sEndCode : account);
        // The style decides whether a parent's totals are followed by a row per currency.
        const int styleIndex = BookStyles::index(options.style);
        const bool computed = kind == LedgerKind::Monthly ? engine.mxAllMonth()
                              : byPeriod                  ? engine.mxbyPeriod(std::nullopt, styleIndex)
                                                          : engine.mxbyCode(styleIndex);
        progress.finish();
        if (!computed)
            return 1;

        // A stopped run's ledger is partial: no file is written of it.
        if (sheet != SheetFormat::None && !engine.stoppedByUser()) {
            LedgerSheet printed = ledgerGridSheet(grid, header, 1, 21, ledgerExportClasses());
            printed.heading = detailPageHeading(pub, host.account, pub.periodText(options.fromPeriod) + QStringLiteral(" - ")
                                                                       + pub.periodText(options.toPeriod),
                                                quantityLabel.text(), currencyLabel.text());
            writeSheetOutput(pub, args, sheet, printed, QStringLiteral("GLMxz") + BookStyles::code(options.style));
        } else {
            TypedLedgerHeading heading{kind == LedgerKind::Monthly ? QStringLiteral("monthly") : QStringLiteral("detail"),
                                       account, kind == LedgerKind::Monthly ? engine.sEndCode : QString(),
                                       options.fromPeriod, options.toPeriod, BookStyles::code(options.style).toLower(),
                                       options.includeUnposted, {}};
            if (kind == LedgerKind::Detail)
                heading.extra.insert(QStringLiteral("order"), byPeriod ? QStringLiteral("period") : QStringLiteral("code"));
            const bool raw = args.has(QStringLiteral("raw"));
            TableSource table = ledgerOutputTable(pub, grid, header, displayTableColumns(), format, raw, heading);
            if (kind == LedgerKind::Detail && !byPeriod && !raw)
                table = withAccountTotal(pub, grid, displayTableColumns(), account, std::move(table), format != TableFormat::Table);
            outputs->series->write(table, account);
        }
        exitCode = finishLedgerRun(*request, account, args, err, progress, grid.Rows(), engine.stoppedByUser());
        if (engine.stoppedByUser())
            break;
    }
    outputs->commit(exitCode != 0);
    return exitCode;
}

} // namespace

int runDetail(const CliArguments &args, QTextStream &out, QTextStream &err)
{
    return runLedger(LedgerKind::Detail, args, out, err);
}

int runMonthly(const CliArguments &args, QTextStream &out, QTextStream &err)
{
    return runLedger(LedgerKind::Monthly, args, out, err);
}

} // namespace qxmxz::cli

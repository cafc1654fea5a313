// The general ledger on the command line.
#include "CliSession.h"
#include "CommandRights.h"
#include "CommandOutput.h"
#include "Commands.h"
#include "GeneralLedgerTable.h"
#include "LedgerOptions.h"
#include "RunProgress.h"
#include "general_ledger/basGrwl.h"
#include "platform/Failure.h"
#include "platform/outside/ResourceTexts.h"
#include "platform/ui/GridModel.h"
#include "platform/ui/HintState.h"

namespace qxmxz::cli {

int runGeneral(const CliArguments &args, QTextStream &out, QTextStream &err)
{
    const auto session = CliSession::open(args, err);
    GlPublic &pub = session->pub();
    if (!mayRunCommand(pub, LedgerCommand::General))
        return 1;
    const LedgerOptions options = readLedgerOptions(args, pub);
    if (args.positional.isEmpty())
        throw Failure::withKey(QStringLiteral("QXMXZ.cli.missingargument"), {QStringLiteral("ACCOUNT")},
                               QStringLiteral("An account is needed"));
    const QString account = requireAccount(pub, args.positional.value(0));
    if (!mayReadAccounts(pub, LedgerCommand::General, account))
        return 1;
    const TableFormat format = CommandOutput::tableFormat(args);
    CommandOutput output(args, out);

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

    writeTable(generalLedgerTable(grid, format == TableFormat::Json), format, output.device());
    output.commit();
    if (args.has(QStringLiteral("timings")))
        err << pub.texts().text(QStringLiteral("QXMXZ.cli.timings"),
                                {QString::number(progress.msToFirstPage()), QString::number(progress.msToEnd()),
                                 QString::number(rows)})
            << Qt::endl;
    return 0;
}

} // namespace qxmxz::cli

// The merged detail ledger on the command line.
#include "CliSession.h"
#include "CommandRights.h"
#include "CommandOutput.h"
#include "Commands.h"
#include "HeadlessMergeWindow.h"
#include "LedgerOptions.h"
#include "LedgerTable.h"
#include "RunProgress.h"
#include "merge/MergeTable.h"
#include "merge/clsMxzHb.h"
#include "platform/Failure.h"
#include "platform/outside/ResourceTexts.h"
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
    const auto session = CliSession::open(args, err);
    GlPublic &pub = session->pub();
    if (!mayRunCommand(pub, LedgerCommand::Merged))
        return 1;
    const LedgerOptions options = readLedgerOptions(args, pub);
    if (args.positional.isEmpty())
        throw Failure::withKey(QStringLiteral("QXMXZ.cli.missingargument"), {QStringLiteral("ACCOUNT")},
                               QStringLiteral("An account is needed"));
    const QString account = requireAccount(pub, args.positional.value(0));
    if (!mayReadAccounts(pub, LedgerCommand::Merged, account))
        return 1;
    const clsMxzHb::mxzHbType mode = mergeModeOf(args);
    const TableFormat format = CommandOutput::tableFormat(args);
    CommandOutput output(args, out);

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
    hb.mxzCodeHbQuery(qint16(BookStyles::index(options.style)));
    progress.finish();
    if (hb.ledgersWritten() == 0)
        return 1;

    writeTable(ledgerTable(grid, header, MergeTable::columns(), format == TableFormat::Json), format, output.device());
    output.commit();
    const ResourceTexts &texts = pub.texts();
    if (hb.stoppedByUser())
        err << texts.text(QStringLiteral("QXMXZ.cli.stopped")) << Qt::endl;
    if (args.has(QStringLiteral("timings")))
        err << texts.text(QStringLiteral("QXMXZ.cli.timings"),
                          {QString::number(progress.msToFirstPage()), QString::number(progress.msToEnd()),
                           QString::number(grid.Rows())})
            << Qt::endl;
    return hb.stoppedByUser() ? 1 : 0;
}

} // namespace qxmxz::cli

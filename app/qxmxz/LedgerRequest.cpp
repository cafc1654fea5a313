#include "LedgerRequest.h"

#include "RunProgress.h"
#include "platform/Failure.h"
#include "platform/outside/ResourceTexts.h"

namespace qxmxz::cli {

std::optional<LedgerRequest> openLedgerRequest(const CliArguments &args, QTextStream &err, LedgerCommand command,
                                               bool takesEndAccount)
{
    LedgerRequest request;
    request.session = CliSession::open(args, err);
    GlPublic &pub = request.pub();
    if (!mayRunCommand(pub, command))
        return std::nullopt;
    request.options = readLedgerOptions(args, pub);
    if (args.positional.isEmpty())
        throw Failure::withKey(QStringLiteral("QXMXZ.cli.missingargument"), {QStringLiteral("ACCOUNT")},
                               QStringLiteral("An account is needed"));
    request.account = requireAccount(pub, args.positional.value(0));
    if (takesEndAccount && args.positional.size() > 1)
        request.endAccount = requireAccount(pub, args.positional.value(1));
    if (!mayReadAccounts(pub, command, request.account, request.endAccount))
        return std::nullopt;
    return request;
}

int finishLedgerRun(const LedgerRequest &request, const CliArguments &args, QTextStream &err,
                    const RunProgress &progress, int rows, bool stopped)
{
    const ResourceTexts &texts = request.session->pub().texts();
    if (stopped)
        err << texts.text(QStringLiteral("QXMXZ.cli.stopped")) << Qt::endl;
    // A heading alone would look like a failed query; say that the range is empty.
    else if (rows == 0)
        err << texts.text(QStringLiteral("QXMXZ.cli.emptyledger"),
                          {request.account, QString::number(request.options.fromPeriod), QString::number(request.options.toPeriod)})
            << Qt::endl;
    if (args.has(QStringLiteral("timings")))
        err << texts.text(QStringLiteral("QXMXZ.cli.timings"),
                          {QString::number(progress.msToFirstPage()), QString::number(progress.msToEnd()),
                           QString::number(rows)})
            << Qt::endl;
    return stopped ? 1 : 0;
}

} // namespace qxmxz::cli

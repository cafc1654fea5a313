#include "LedgerRequest.h"

#include "LineCount.h"
#include "RunProgress.h"

#include <QLocale>
#include "platform/Failure.h"
#include "platform/outside/GlPublic.h"
#include "platform/outside/ResourceTexts.h"

#include <QRegularExpression>

namespace qxmxz::cli {

namespace {

bool isAccountPattern(const QString &argument)
{
    return argument.contains(u'*') || argument.contains(u'?');
}

// A parent's ledger already lists its sub-accounts; a pattern names the end
// accounts, so that no line is shown twice.
QStringList endAccountsMatching(const GlPublic &pub, const QString &pattern)
{
    const QRegularExpression glob(QRegularExpression::wildcardToRegularExpression(pattern));
    QStringList codes;
    for (const AccountRecord &account : pub.chart().accounts())
        if (account.isEnd && glob.match(account.code).hasMatch())
            codes << account.code;
    return codes;
}

} // namespace

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
    if (takesEndAccount) {
        request.account = requireAccount(pub, args.positional.value(0));
        if (args.positional.size() > 1)
            request.endAccount = requireAccount(pub, args.positional.value(1));
        if (!mayReadAccounts(pub, command, request.account, request.endAccount))
            return std::nullopt;
        request.accounts = {request.account};
        return request;
    }
    QStringList leftOut;
    for (const QString &argument : args.positional) {
        if (!isAccountPattern(argument)) {
            const QString code = requireAccount(pub, argument);
            if (!mayReadAccounts(pub, command, code))
                return std::nullopt;
            if (!request.accounts.contains(code))
                request.accounts << code;
            continue;
        }
        const QStringList matched = endAccountsMatching(pub, argument);
        if (matched.isEmpty())
            throw Failure::withKey(QStringLiteral("QXMXZ.cli.nomatch"), {argument}, QStringLiteral("No account matches %1").arg(argument));
        for (const QString &code : matched) {
            if (!mayReadAccountQuietly(pub, code))
                leftOut << code;
            else if (!request.accounts.contains(code))
                request.accounts << code;
        }
    }
    if (!leftOut.isEmpty())
        err << pub.texts().text(QStringLiteral("QXMXZ.cli.patternleftout"), {leftOut.join(QStringLiteral(", "))}) << Qt::endl;
    if (request.accounts.isEmpty())
        return std::nullopt;
    request.account = request.accounts.first();
    return request;
}

void countLedgerLines(RunProgress &progress, LedgerRequest &request, const QString &first, const QString &last)
{
    if (!progress.onTerminal())
        return;
    GlPublic &pub = request.pub();
    const qint64 total = voucherLineCount(pub, first, last, request.options.fromPeriod, request.options.toPeriod,
                                          request.options.includeUnposted);
    const QString shown = first == last ? first : first + QStringLiteral("-") + last;
    const QLocale numbers(QLocale::English);
    progress.countLines(total, [&pub, shown, numbers](qint64 done, qint64 all) {
        return pub.texts().text(QStringLiteral("QXMXZ.cli.progress"),
                                {shown, numbers.toString(done), numbers.toString(all), QString::number(done * 100 / all)});
    });
}

int finishLedgerRun(const LedgerRequest &request, const QString &account, const CliArguments &args, QTextStream &err,
                    const RunProgress &progress, int rows, bool stopped)
{
    const ResourceTexts &texts = request.session->pub().texts();
    if (stopped)
        err << texts.text(QStringLiteral("QXMXZ.cli.stopped")) << Qt::endl;
    // A heading alone would look like a failed query; say that the range is empty.
    else if (rows == 0)
        err << texts.text(QStringLiteral("QXMXZ.cli.emptyledger"),
                          {account, QString::number(request.options.fromPeriod), QString::number(request.options.toPeriod)})
            << Qt::endl;
    if (args.has(QStringLiteral("timings")))
        err << texts.text(QStringLiteral("QXMXZ.cli.timings"),
                          {QString::number(progress.msToFirstPage()), QString::number(progress.msToEnd()),
                           QString::number(rows)})
            << Qt::endl;
    return stopped ? 1 : 0;
}

} // namespace qxmxz::cli

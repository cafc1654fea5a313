#include "LedgerOptions.h"

#include "platform/outside/LedgerRequestChecks.h"
#include "platform/Failure.h"
#include "platform/outside/GlPublic.h"
#include "platform/sql/SqlText.h"

namespace qxmxz::cli {

namespace {

int periodOf(const GlPublic &pub, const QString &option, const QString &text)
{
    int period = pub.periodOfText(text);
    if (period == 0)
        if (const auto date = pub.dateOfText(text))
            period = pub.periodOfDate(*date);
    if (period == 0)
        throw Failure::withKey(QStringLiteral("QXMXZ.cli.badperiod"), {text},
                               QStringLiteral("%1: no period of %2 reads %3").arg(option).arg(pub.year()).arg(text));
    return period;
}

} // namespace

LedgerOptions readLedgerOptions(const CliArguments &args, const GlPublic &pub)
{
    LedgerOptions o;
    o.toPeriod = pub.calendar().periodCount();
    if (args.has(QStringLiteral("from")))
        o.fromPeriod = periodOf(pub, QStringLiteral("--from"), args.value(QStringLiteral("from")));
    if (args.has(QStringLiteral("to")))
        o.toPeriod = periodOf(pub, QStringLiteral("--to"), args.value(QStringLiteral("to")));
    if (o.fromPeriod > o.toPeriod)
        throw Failure::withKey(QStringLiteral("QXMXZ.cli.reversedperiods"),
                               {args.value(QStringLiteral("from")), args.value(QStringLiteral("to"))},
                               QStringLiteral("The periods are reversed"));
    o.includeUnposted = args.has(QStringLiteral("unposted"));
    if (args.has(QStringLiteral("style")) && !BookStyles::fromCode(args.value(QStringLiteral("style")), o.style))
        throw Failure::withKey(QStringLiteral("QXMXZ.cli.badvalue"), {QStringLiteral("--style"), args.value(QStringLiteral("style"))},
                               QStringLiteral("Unknown book style"));
    return o;
}

QString requireAccount(const GlPublic &pub, const QString &code)
{
    if (!isPlainCode(code))
        throw Failure::withKey(QStringLiteral("QXMXZ.cli.badcode"), {code}, QStringLiteral("Not an account code: %1").arg(code));
    if (!pub.account(code).exists)
        throw unknownAccount(code);
    return code;
}

} // namespace qxmxz::cli

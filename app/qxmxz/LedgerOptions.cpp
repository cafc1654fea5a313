#include "LedgerOptions.h"

#include <QRegularExpression>

#include "platform/outside/LedgerRequestChecks.h"
#include "platform/Failure.h"
#include "platform/outside/GlPublic.h"
#include "platform/sql/SqlText.h"

namespace qxmxz::cli {

namespace {

enum class RangeEnd { First, Last };

// A period number, a period text (2026.03, 2026-03, 3月), or a date that is the
// first day of its period for --from or the last day for --to. Any other date
// is refused rather than rounded, since the ledger cannot cut a period's lines.
int periodOf(const GlPublic &pub, const QString &option, const QString &text, RangeEnd end)
{
    QString t = text.trimmed();
    static const QRegularExpression yearMonth(QStringLiteral(R"(^(\d{4})[-/](\d{1,2})$)"));
    if (const auto m = yearMonth.match(t); m.hasMatch())
        t = m.captured(1) + u'.' + m.captured(2).rightJustified(2, u'0');
    if (const int period = pub.periodOfText(t))
        return period;
    if (const auto date = pub.dateOfText(t)) {
        if (const int period = pub.periodOfDate(*date)) {
            const FiscalCalendar &calendar = pub.calendar();
            if (*date == (end == RangeEnd::First ? calendar.begin(period) : calendar.end(period)))
                return period;
            throw Failure::withKey(QStringLiteral("QXMXZ.cli.dateinperiod"),
                                   {option, text, pub.periodText(period),
                                    (end == RangeEnd::First ? calendar.begin(period) : calendar.end(period))
                                        .toString(QStringLiteral("yyyy-MM-dd"))},
                                   QStringLiteral("%1 takes whole periods").arg(option));
        }
    }
    throw Failure::withKey(QStringLiteral("QXMXZ.cli.badperiod"), {text},
                           QStringLiteral("%1: no period of %2 reads %3").arg(option).arg(pub.year()).arg(text));
}

} // namespace

LedgerOptions readLedgerOptions(const CliArguments &args, const GlPublic &pub)
{
    LedgerOptions o;
    o.toPeriod = pub.calendar().periodCount();
    if (args.has(QStringLiteral("from")))
        o.fromPeriod = periodOf(pub, QStringLiteral("--from"), args.value(QStringLiteral("from")), RangeEnd::First);
    if (args.has(QStringLiteral("to")))
        o.toPeriod = periodOf(pub, QStringLiteral("--to"), args.value(QStringLiteral("to")), RangeEnd::Last);
    if (o.fromPeriod > o.toPeriod)
        throw Failure::withKey(QStringLiteral("QXMXZ.cli.reversedperiods"),
                               {args.value(QStringLiteral("from")), args.value(QStringLiteral("to"))},
                               QStringLiteral("The periods are reversed"));
    o.includeUnposted = args.has(QStringLiteral("unposted"));
    if (args.has(QStringLiteral("style")) && !BookStyles::fromCode(args.value(QStringLiteral("style")), o.style))
        throw Failure::withKey(QStringLiteral("QXMXZ.cli.badchoice"),
                               {QStringLiteral("--style"), args.value(QStringLiteral("style")), QStringLiteral("je, sl, wb, slwb")},
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

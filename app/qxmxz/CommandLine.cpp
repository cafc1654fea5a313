#include "CommandLine.h"

#include <functional>
#include <map>

#include "CliArguments.h"
#include "Commands.h"
#include "platform/Failure.h"
#include "platform/outside/ResourceTexts.h"

namespace qxmxz::cli {

namespace {

using Command = std::function<int(const CliArguments &, QTextStream &, QTextStream &)>;

const std::map<QString, Command> &commands()
{
    static const std::map<QString, Command> table{
        {QStringLiteral("accounts"), runAccounts},
        {QStringLiteral("calendar"), runCalendar},
        {QStringLiteral("detail"), runDetail},
        {QStringLiteral("monthly"), runMonthly},
        {QStringLiteral("merged"), runMerged},
        {QStringLiteral("general"), runGeneral},
        {QStringLiteral("make-demo"), runMakeDemoCommand},
    };
    return table;
}

bool isUsageError(const QString &key)
{
    return key == u"QXMXZ.cli.unknowncommand" || key == u"QXMXZ.cli.unknownoption"
           || key == u"QXMXZ.cli.missingargument" || key == u"QXMXZ.cli.badvalue";
}

} // namespace

QString failureText(const Failure &failure, const QString &language)
{
    if (failure.key().isEmpty())
        return failure.describe();
    QString text = ResourceTexts::forLanguage(language).text(failure.key(), failure.arguments());
    if (!failure.detail().isEmpty())
        text += QStringLiteral(" (") + failure.detail() + u')';
    return text;
}

int runCommandLine(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    QString language;
    try {
        const CliArguments args = parseArguments(arguments);
        language = args.language();
        const ResourceTexts &texts = ResourceTexts::forLanguage(language);
        if (args.command.isEmpty() || args.has(QStringLiteral("help")) || args.command == u"help") {
            out << texts.text(QStringLiteral("QXMXZ.cli.usage")) << Qt::endl;
            return args.command.isEmpty() && !args.has(QStringLiteral("help")) ? 2 : 0;
        }
        const auto it = commands().find(args.command);
        if (it == commands().end())
            throw Failure::withKey(QStringLiteral("QXMXZ.cli.unknowncommand"), {args.command},
                                   QStringLiteral("Unknown command %1").arg(args.command));
        return it->second(args, out, err);
    } catch (const Failure &failure) {
        err << failureText(failure, language) << Qt::endl;
        return isUsageError(failure.key()) ? 2 : 1;
    }
}

} // namespace qxmxz::cli

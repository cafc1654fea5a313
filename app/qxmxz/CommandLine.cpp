#include "CommandLine.h"

#include <functional>
#include <map>

#include "CliArguments.h"
#include "CommandOptions.h"
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
        {QStringLiteral("balance"), runBalance},
        {QStringLiteral("make-demo"), runMakeDemoCommand},
    };
    return table;
}

Failure unknownCommand(const QString &name)
{
    const QString nearest = nearestCommand(name);
    if (!nearest.isEmpty())
        return Failure::withKey(QStringLiteral("QXMXZ.cli.unknowncommand.nearest"), {name, nearest},
                                QStringLiteral("Unknown command %1").arg(name));
    return Failure::withKey(QStringLiteral("QXMXZ.cli.unknowncommand"), {name, commandNames().join(QStringLiteral(", "))},
                            QStringLiteral("Unknown command %1").arg(name));
}

bool isUsageError(const QString &key)
{
    static const QStringList keys{
        QStringLiteral("QXMXZ.cli.unknowncommand"),   QStringLiteral("QXMXZ.cli.unknowncommand.nearest"),
        QStringLiteral("QXMXZ.cli.unknownoption"),
        QStringLiteral("QXMXZ.cli.missingargument"),  QStringLiteral("QXMXZ.cli.badvalue"),
        QStringLiteral("QXMXZ.cli.badchoice"),        QStringLiteral("QXMXZ.cli.notforcommand"),
        QStringLiteral("QXMXZ.cli.missingpositional"), QStringLiteral("QXMXZ.cli.extraargument"),
        QStringLiteral("QXMXZ.cli.oneaccountsheet"),
    };
    return keys.contains(key);
}

// The help of one command, or the general usage for "" — on stdout when asked
// for, so that it can be paged.
int printHelp(const QString &command, const ResourceTexts &texts, QTextStream &out)
{
    if (command.isEmpty()) {
        out << texts.text(QStringLiteral("QXMXZ.cli.usage")) << Qt::endl;
        return 0;
    }
    if (!commandOptions(command))
        throw unknownCommand(command);
    out << texts.text(QStringLiteral("QXMXZ.cli.help.") + command) << Qt::endl;
    return 0;
}

} // namespace

QString failureText(const Failure &failure, const QString &language)
{
    if (failure.key().isEmpty())
        return failure.describe();
    const ResourceTexts &texts = ResourceTexts::forLanguage(language);
    // An argument that is itself a text key (the name of a missing argument) is said in the language too.
    QStringList arguments = failure.arguments();
    for (QString &argument : arguments)
        if (argument.startsWith(QLatin1String("QXMXZ.")))
            argument = texts.text(argument);
    QString text = texts.text(failure.key(), arguments);
    if (!failure.detail().isEmpty())
        text += QStringLiteral(" (") + failure.detail() + u')';
    return text;
}

int runCommandLine(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    // The language is looked for before parsing, so that a parse error is said in it too.
    QString language = CliArguments().language();
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString candidate = arguments[i] == u"--lang" ? arguments.value(i + 1)
                                  : arguments[i].startsWith(QLatin1String("--lang=")) ? arguments[i].mid(7)
                                                                                      : QString();
        if (languages().contains(candidate))
            language = candidate;
    }
    try {
        const CliArguments args = parseArguments(arguments);
        language = args.language();
        const ResourceTexts &texts = ResourceTexts::forLanguage(language);
        if (args.has(QStringLiteral("version"))) {
            out << QStringLiteral("qxmxz ") << QStringLiteral(QXMXZ_VERSION) << Qt::endl;
            return 0;
        }
        if (args.command.isEmpty() && !args.has(QStringLiteral("help"))) {
            err << texts.text(QStringLiteral("QXMXZ.cli.usage")) << Qt::endl;
            return 2;
        }
        if (args.command == u"help") {
            checkArguments(args, *commandOptions(args.command));
            const bool aboutHelp = args.positional.isEmpty() && args.has(QStringLiteral("help"));
            return printHelp(aboutHelp ? args.command : args.positional.value(0), texts, out);
        }
        if (args.has(QStringLiteral("help")))
            return printHelp(args.command, texts, out);
        const auto it = commands().find(args.command);
        if (it == commands().end())
            throw unknownCommand(args.command);
        checkArguments(args, *commandOptions(args.command));
        return it->second(args, out, err);
    } catch (const Failure &failure) {
        err << failureText(failure, language) << Qt::endl;
        if (!isUsageError(failure.key()))
            return 1;
        err << ResourceTexts::forLanguage(language).text(QStringLiteral("QXMXZ.cli.seehelp")) << Qt::endl;
        return 2;
    }
}

} // namespace qxmxz::cli

#include "CliArguments.h"

#include <QSet>

#include "platform/Failure.h"

namespace qxmxz::cli {

namespace {

const QSet<QString> &optionsWithValue()
{
    static const QSet<QString> names{
        QStringLiteral("db"),   QStringLiteral("user"),  QStringLiteral("year"),  QStringLiteral("lang"),
        QStringLiteral("from"), QStringLiteral("to"),    QStringLiteral("style"), QStringLiteral("format"),
        QStringLiteral("out"),  QStringLiteral("by"),    QStringLiteral("grade"), QStringLiteral("lines"),
        QStringLiteral("seed"), QStringLiteral("page-lines"),
    };
    return names;
}

const QSet<QString> &flags()
{
    static const QSet<QString> names{
        QStringLiteral("unposted"), QStringLiteral("timings"), QStringLiteral("each-end"), QStringLiteral("raw"),
        QStringLiteral("one-account"), QStringLiteral("counterpart"), QStringLiteral("help"), QStringLiteral("by-period"),
        QStringLiteral("version"),
    };
    return names;
}

} // namespace

const QStringList &languages()
{
    static const QStringList names{QStringLiteral("zh-CN"), QStringLiteral("en-US")};
    return names;
}

QString CliArguments::language() const
{
    if (has(QStringLiteral("lang")))
        return value(QStringLiteral("lang"));
    // As other command-line tools do: the first of LC_ALL, LC_MESSAGES, LANG that is set decides.
    for (const char *variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString locale = qEnvironmentVariable(variable);
        if (locale.isEmpty())
            continue;
        return locale.startsWith(QLatin1String("en")) ? QStringLiteral("en-US") : QStringLiteral("zh-CN");
    }
    return QStringLiteral("zh-CN");
}

CliArguments parseArguments(const QStringList &arguments)
{
    CliArguments parsed;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &arg = arguments[i];
        if (arg == u"-h") {
            parsed.options.insert(QStringLiteral("help"), QString());
            continue;
        }
        // A single dash is a short option, which this command line has none of
        // (except -h); a lone "-" stays an argument.
        if (arg.startsWith(u'-') && !arg.startsWith(QLatin1String("--")) && arg.size() > 1)
            throw Failure::withKey(QStringLiteral("QXMXZ.cli.unknownoption"), {arg},
                                   QStringLiteral("Unknown option %1").arg(arg));
        if (!arg.startsWith(QLatin1String("--")) || arg == QLatin1String("--")) {
            if (parsed.command.isEmpty())
                parsed.command = arg;
            else
                parsed.positional << arg;
            continue;
        }
        QString name = arg.mid(2);
        QString value;
        bool hasInlineValue = false;
        if (const qsizetype eq = name.indexOf(u'='); eq >= 0) {
            value = name.mid(eq + 1);
            name = name.left(eq);
            hasInlineValue = true;
        }
        if (optionsWithValue().contains(name)) {
            if (!hasInlineValue) {
                if (i + 1 >= arguments.size())
                    throw Failure::withKey(QStringLiteral("QXMXZ.cli.missingargument"), {QStringLiteral("--") + name},
                                           QStringLiteral("The option --%1 needs a value").arg(name));
                value = arguments[++i];
            }
        } else if (flags().contains(name)) {
            // --counterpart=names is the one flag that takes a value of its own.
            if (hasInlineValue && name != QLatin1String("counterpart"))
                throw Failure::withKey(QStringLiteral("QXMXZ.cli.badvalue"), {QStringLiteral("--") + name, value},
                                       QStringLiteral("The option --%1 takes no value").arg(name));
        } else {
            throw Failure::withKey(QStringLiteral("QXMXZ.cli.unknownoption"), {arg},
                                   QStringLiteral("Unknown option %1").arg(arg));
        }
        parsed.options.insert(name, value);
    }
    if (parsed.has(QStringLiteral("lang")) && !languages().contains(parsed.value(QStringLiteral("lang"))))
        throw Failure::withKey(QStringLiteral("QXMXZ.cli.badchoice"),
                               {QStringLiteral("--lang"), parsed.value(QStringLiteral("lang")), languages().join(QStringLiteral(", "))},
                               QStringLiteral("Unknown language"));
    return parsed;
}

int integerOption(const CliArguments &args, const QString &name, int fallback, int minimum, int maximum)
{
    if (!args.has(name))
        return fallback;
    bool ok = false;
    const int value = args.value(name).toInt(&ok);
    if (!ok || value < minimum || value > maximum)
        throw Failure::withKey(QStringLiteral("QXMXZ.cli.badvalue"), {QStringLiteral("--") + name, args.value(name)},
                               QStringLiteral("Bad value for --%1: %2").arg(name, args.value(name)));
    return value;
}

} // namespace qxmxz::cli

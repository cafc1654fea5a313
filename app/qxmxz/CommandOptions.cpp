#include "CommandOptions.h"

#include <algorithm>
#include <vector>

#include "platform/Failure.h"

namespace qxmxz::cli {

namespace {

// The ledgers of one command line: more would be a script's loop.
constexpr int ManyAccounts = 1000;

QStringList ledgerOptions(QStringList more)
{
    QStringList options{QStringLiteral("from"),  QStringLiteral("to"),      QStringLiteral("unposted"),
                        QStringLiteral("style"), QStringLiteral("format"),  QStringLiteral("out"),
                        QStringLiteral("timings"), QStringLiteral("raw")};
    return options + more;
}

const std::vector<CommandOptions> &table()
{
    static const std::vector<CommandOptions> commands{
        {QStringLiteral("detail"), 1, ManyAccounts, QStringLiteral("QXMXZ.cli.arg.account"),
         ledgerOptions({QStringLiteral("by"), QStringLiteral("by-period"), QStringLiteral("counterpart"),
                        QStringLiteral("page-lines")})},
        {QStringLiteral("monthly"), 1, 2, QStringLiteral("QXMXZ.cli.arg.account"),
         ledgerOptions({QStringLiteral("grade"), QStringLiteral("page-lines")})},
        {QStringLiteral("merged"), 1, ManyAccounts, QStringLiteral("QXMXZ.cli.arg.account"),
         ledgerOptions({QStringLiteral("by"), QStringLiteral("each-end"), QStringLiteral("page-lines")})},
        {QStringLiteral("general"), 1, ManyAccounts, QStringLiteral("QXMXZ.cli.arg.account"), ledgerOptions({})},
        {QStringLiteral("balance"), 0, 0, {},
         {QStringLiteral("from"), QStringLiteral("to"), QStringLiteral("unposted"), QStringLiteral("grade"),
          QStringLiteral("format"), QStringLiteral("out")}},
        {QStringLiteral("calendar"), 0, 0, {}, {QStringLiteral("format"), QStringLiteral("out")}},
        {QStringLiteral("accounts"), 0, 0, {}, {QStringLiteral("format"), QStringLiteral("out")}},
        {QStringLiteral("make-demo"), 1, 1, QStringLiteral("QXMXZ.cli.arg.database"),
         {QStringLiteral("lines"), QStringLiteral("seed"), QStringLiteral("one-account")}},
        {QStringLiteral("help"), 0, 1, QStringLiteral("QXMXZ.cli.arg.command"), {}},
    };
    return commands;
}

QString dashed(const QStringList &names)
{
    QStringList out;
    for (const QString &name : names)
        out << QStringLiteral("--") + name;
    return out.join(QStringLiteral(", "));
}

int editDistance(const QString &a, const QString &b)
{
    std::vector<int> row(size_t(b.size()) + 1);
    for (size_t j = 0; j < row.size(); ++j)
        row[j] = int(j);
    for (qsizetype i = 1; i <= a.size(); ++i) {
        int diagonal = row[0];
        row[0] = int(i);
        for (qsizetype j = 1; j <= b.size(); ++j) {
            const int above = row[size_t(j)];
            row[size_t(j)] = std::min({above + 1, row[size_t(j) - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
            diagonal = above;
        }
    }
    return row.back();
}

} // namespace

const QStringList &globalOptions()
{
    static const QStringList names{QStringLiteral("db"), QStringLiteral("user"), QStringLiteral("year"),
                                   QStringLiteral("lang"), QStringLiteral("help")};
    return names;
}

const CommandOptions *commandOptions(const QString &name)
{
    for (const CommandOptions &command : table())
        if (command.name == name)
            return &command;
    return nullptr;
}

QStringList commandNames()
{
    QStringList names;
    for (const CommandOptions &command : table())
        names << command.name;
    return names;
}

QString nearestCommand(const QString &name)
{
    QString best;
    int bestDistance = 3; // farther than two edits is a different word, not a typo
    for (const CommandOptions &command : table()) {
        const int distance = command.name.startsWith(name, Qt::CaseInsensitive) && name.size() >= 2
                                 ? 0
                                 : editDistance(name.toLower(), command.name);
        if (distance < bestDistance) {
            best = command.name;
            bestDistance = distance;
        }
    }
    return best;
}

void checkArguments(const CliArguments &args, const CommandOptions &command)
{
    for (auto it = args.options.cbegin(); it != args.options.cend(); ++it) {
        if (globalOptions().contains(it.key()) || command.options.contains(it.key()))
            continue;
        throw Failure::withKey(QStringLiteral("QXMXZ.cli.notforcommand"),
                               {QStringLiteral("--") + it.key(), command.name, dashed(globalOptions() + command.options)},
                               QStringLiteral("%1 does not apply to %2").arg(it.key(), command.name));
    }
    if (args.positional.size() < command.fewestPositional)
        throw Failure::withKey(QStringLiteral("QXMXZ.cli.missingpositional"), {command.positionalKey, command.name},
                               QStringLiteral("%1 needs an argument").arg(command.name));
    if (args.positional.size() > command.mostPositional)
        throw Failure::withKey(QStringLiteral("QXMXZ.cli.extraargument"),
                               {args.positional.value(command.mostPositional), command.name},
                               QStringLiteral("Extra argument %1").arg(args.positional.value(command.mostPositional)));
    if (args.has(QStringLiteral("counterpart")) && !args.value(QStringLiteral("counterpart")).isEmpty()
        && args.value(QStringLiteral("counterpart")) != u"names")
        throw Failure::withKey(QStringLiteral("QXMXZ.cli.badchoice"),
                               {QStringLiteral("--counterpart"), args.value(QStringLiteral("counterpart")), QStringLiteral("names")},
                               QStringLiteral("--counterpart takes names or nothing"));
}

} // namespace qxmxz::cli

#pragma once

#include <QString>
#include <QStringList>

#include "CliArguments.h"

namespace qxmxz::cli {

// What one command accepts: how many positional arguments, what they are
// called, and which options apply to it beyond the global ones.
struct CommandOptions {
    QString name;
    int fewestPositional = 0;
    int mostPositional = 0;
    QString positionalKey; // resource text key naming the first positional argument
    QStringList options;
};

// The table of a command, or nullptr for a name no command has.
const CommandOptions *commandOptions(const QString &name);
QStringList commandNames();
// The command a mistyped name most likely meant, or "" when none is close.
QString nearestCommand(const QString &name);
// The options every command takes.
const QStringList &globalOptions();

// Refuses an option the command does not take, a missing or extra positional
// argument and a flag value outside its choices; throws a usage Failure.
void checkArguments(const CliArguments &args, const CommandOptions &command);

} // namespace qxmxz::cli

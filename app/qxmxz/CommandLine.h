#pragma once

#include <QStringList>
#include <QTextStream>

namespace qxmxz::cli {

// Runs one command line (without the program name) and returns the exit
// code: 0 done, 1 the command failed, 2 the command line is wrong. Errors go
// to `err` in the chosen language.
int runCommandLine(const QStringList &arguments, QTextStream &out, QTextStream &err);

} // namespace qxmxz::cli

#pragma once

#include <QString>
#include <QTextStream>

#include "CliArguments.h"

namespace qxmxz {
class Failure;
}

namespace qxmxz::cli {

// One function per command of the command line; each returns its exit code
// and throws a Failure for what the caller reports.
int runAccounts(const CliArguments &args, QTextStream &out, QTextStream &err);
int runCalendar(const CliArguments &args, QTextStream &out, QTextStream &err);
int runDetail(const CliArguments &args, QTextStream &out, QTextStream &err);
int runMonthly(const CliArguments &args, QTextStream &out, QTextStream &err);
int runMerged(const CliArguments &args, QTextStream &out, QTextStream &err);
int runGeneral(const CliArguments &args, QTextStream &out, QTextStream &err);
int runBalance(const CliArguments &args, QTextStream &out, QTextStream &err);
int runMakeDemoCommand(const CliArguments &args, QTextStream &out, QTextStream &err);

// The text of a failure in the chosen language.
QString failureText(const Failure &failure, const QString &language);

} // namespace qxmxz::cli

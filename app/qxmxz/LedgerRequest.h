#pragma once

#include <QTextStream>
#include <memory>
#include <optional>

#include "CliArguments.h"
#include "CliSession.h"
#include "CommandRights.h"
#include "LedgerOptions.h"

namespace qxmxz::cli {

class RunProgress;

// What every ledger command starts with: the login, the function right of
// the command, the common options, the account (and for the month-by-month
// ledger an optional end account) and the data right on them.
struct LedgerRequest {
    std::unique_ptr<CliSession> session;
    LedgerOptions options;
    QString account;      // the first of `accounts`
    QString endAccount;
    QStringList accounts; // one ledger each, in the order asked for

    GlPublic &pub() { return session->pub(); }
};

// Nothing when the user may not run the command or read the accounts (the
// refusal has reached stderr through the session's messages); throws a
// Failure for a missing or unknown account and for bad options. Without an
// end account every argument is an account or a pattern ("1002*", "11??"):
// a pattern stands for the end accounts whose codes it matches and may read
// (the others are named on stderr and left out).
std::optional<LedgerRequest> openLedgerRequest(const CliArguments &args, QTextStream &err, LedgerCommand command,
                                               bool takesEndAccount = false);

// On a terminal, lets the progress line count the rows shown against the
// voucher lines of the accounts `first` to `last` in the range.
void countLedgerLines(RunProgress &progress, LedgerRequest &request, const QString &first, const QString &last);

// The closing lines of the ledger of `account` on stderr: that the user
// stopped the run or that the range has no rows, and with --timings the time
// to the first page, to the whole ledger and the rows. Returns the exit code:
// 1 after a stop, else 0.
int finishLedgerRun(const LedgerRequest &request, const QString &account, const CliArguments &args, QTextStream &err,
                    const RunProgress &progress, int rows, bool stopped);

} // namespace qxmxz::cli

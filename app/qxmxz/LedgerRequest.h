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
    QString account;
    QString endAccount;

    GlPublic &pub() { return session->pub(); }
};

// Nothing when the user may not run the command or read the accounts (the
// refusal has reached stderr through the session's messages); throws a
// Failure for a missing or unknown account and for bad options.
std::optional<LedgerRequest> openLedgerRequest(const CliArguments &args, QTextStream &err, LedgerCommand command,
                                               bool takesEndAccount = false);

// The closing lines of a ledger command on stderr: that the user stopped the
// run, and with --timings the time to the first page, to the whole ledger and
// the rows. Returns the exit code: 1 after a stop, else 0.
int finishLedgerRun(const LedgerRequest &request, const CliArguments &args, QTextStream &err,
                    const RunProgress &progress, int rows, bool stopped);

} // namespace qxmxz::cli

#pragma once

#include <csignal>

namespace qxmxz::cli {

// While one lives, Ctrl+C (SIGINT) and SIGTERM ask the ledger run or the
// writer to stop at its next row instead of ending the process on the spot,
// so that a stopped command can remove what it had begun to write and say
// why it ends. Scopes nest: the outermost clears the request, installs the
// handlers and puts back the ones it found.
class StopOnSignals {
public:
    StopOnSignals();
    ~StopOnSignals();
    StopOnSignals(const StopOnSignals &) = delete;
    StopOnSignals &operator=(const StopOnSignals &) = delete;

    static bool requested();

private:
    struct sigaction m_previousInterrupt {};
    struct sigaction m_previousTerminate {};
    bool m_outermost = false;
};

} // namespace qxmxz::cli

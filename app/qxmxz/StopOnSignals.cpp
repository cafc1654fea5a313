#include "StopOnSignals.h"

namespace qxmxz::cli {

namespace {

volatile std::sig_atomic_t stopRequest = 0;
int scopes = 0;

void onStopSignal(int)
{
    stopRequest = 1;
}

} // namespace

StopOnSignals::StopOnSignals()
{
    m_outermost = scopes++ == 0;
    if (!m_outermost)
        return;
    stopRequest = 0;
    struct sigaction action {};
    action.sa_handler = onStopSignal;
    sigemptyset(&action.sa_mask);
    // Restarted system calls: a read of the database is not broken off half way.
    action.sa_flags = SA_RESTART;
    sigaction(SIGINT, &action, &m_previousInterrupt);
    sigaction(SIGTERM, &action, &m_previousTerminate);
}

StopOnSignals::~StopOnSignals()
{
    --scopes;
    if (!m_outermost)
        return;
    sigaction(SIGINT, &m_previousInterrupt, nullptr);
    sigaction(SIGTERM, &m_previousTerminate, nullptr);
}

bool StopOnSignals::requested()
{
    return stopRequest != 0;
}

} // namespace qxmxz::cli

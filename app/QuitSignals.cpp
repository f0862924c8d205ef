#include "app/QuitSignals.h"

#include <csignal>

namespace {

volatile std::sig_atomic_t signalled = 0;

extern "C" void onQuitSignal(int)
{
    signalled = 1;
}

} // namespace

void catchQuitSignals()
{
    struct sigaction action = {};
    action.sa_handler = onQuitSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

bool quitSignalled()
{
    return signalled != 0;
}

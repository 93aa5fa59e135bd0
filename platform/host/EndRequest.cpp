#include "platform/host/EndRequest.h"

#include <csignal>
#include <initializer_list>

namespace platform {

namespace {

volatile std::sig_atomic_t endRequested = 0;

extern "C" void noteEndRequest(int) { endRequested = 1; }

}  // namespace

void catchEndRequests()
{
    struct sigaction action = {};
    action.sa_handler = noteEndRequest;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : {SIGTERM, SIGINT, SIGHUP})
        sigaction(signal, &action, nullptr);
}

bool takeEndRequest()
{
    if (!endRequested)
        return false;
    endRequested = 0;
    return true;
}

}  // namespace platform

#pragma once

namespace platform {

// The system asking the program to end (SIGTERM at log-out or shut-down,
// SIGINT from a terminal, SIGHUP when its terminal goes). Caught from the
// start, before the window library would turn them into a window close.
void catchEndRequests();
// Whether an end was asked for since the last call; each request is answered once.
bool takeEndRequest();

}  // namespace platform

#pragma once

namespace platform {

// The window system's connection, held from before the engine starts until after it
// is gone. An X server with no client left resets itself, and for that moment it
// refuses new connections: letting go between the display check and the engine's
// own connection made start-up fail on a busy machine.
class DisplayConnection {
public:
    // Tries for up to patienceMs while a display is named but not (yet) reachable;
    // throws std::runtime_error with a clear text when there is none to open windows on.
    explicit DisplayConnection(int patienceMs = 5000);
    ~DisplayConnection();
    DisplayConnection(const DisplayConnection&) = delete;
    DisplayConnection& operator=(const DisplayConnection&) = delete;
};

}  // namespace platform

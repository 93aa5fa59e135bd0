#pragma once

#include <functional>

// Hands the keys between the camera (polled) and the widgets (buffered). The
// input listener connects it once it exists; until then it does nothing.
class KeyboardSwitch {
public:
    void connect(std::function<void()> toggleKeys) { toggle = std::move(toggleKeys); }
    void operator()() const
    {
        if (toggle)
            toggle();
    }

private:
    std::function<void()> toggle;
};

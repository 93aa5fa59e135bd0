#pragma once

#include <functional>

// Hands the keys between the camera (polled) and the widgets (buffered). Every
// window that takes typing holds the keys while it is open; the camera gets them
// back when the last one lets go. The input listener connects it once it exists.
class KeyboardSwitch {
public:
    void connect(std::function<void(bool toWidgets)> routeKeys)
    {
        route = std::move(routeKeys);
        apply();
    }
    void hold()
    {
        ++holders;
        apply();
    }
    void release()
    {
        if (holders > 0)
            --holders;
        apply();
    }
    bool widgetsHaveKeys() const { return holders > 0; }

private:
    void apply() const
    {
        if (route)
            route(holders > 0);
    }

    std::function<void(bool)> route;
    int holders = 0;
};

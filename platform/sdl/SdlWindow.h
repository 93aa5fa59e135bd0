#pragma once

#include <string>

struct SDL_Window;

namespace platform {

// The native window the engine renders into; SDL owns it and its events.
class SdlWindow {
public:
    SdlWindow(const std::string& title, int width, int height, bool fullScreen);
    ~SdlWindow();
    SdlWindow(const SdlWindow&) = delete;
    SdlWindow& operator=(const SdlWindow&) = delete;

    // The X11 window id, as the engine's "externalWindowHandle" wants it.
    std::string nativeHandle() const;
    int width() const;
    int height() const;
    // The title the window manager and the task bar show (UTF-8).
    void setTitle(const std::string& title);

private:
    SDL_Window* window = nullptr;
};

// Parses a video mode such as "800 x 600"; false when it is not one.
bool parseVideoMode(const std::string& mode, int& width, int& height);

}  // namespace platform

namespace platform {
// Hides the window system's mouse pointer over our windows.
void hideSystemCursor();
}

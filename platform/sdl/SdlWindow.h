#pragma once

#include <string>

struct SDL_Window;

namespace platform {

// The native window the engine renders into; SDL owns it and its events. The
// user may resize and maximise it down to its minimum size, and take it to the
// desktop's full screen and back.
class SdlWindow {
public:
    SdlWindow(const std::string& title, int width, int height, bool fullScreen, int minimumWidth,
              int minimumHeight);
    ~SdlWindow();
    SdlWindow(const SdlWindow&) = delete;
    SdlWindow& operator=(const SdlWindow&) = delete;

    // The X11 window id, as the engine's "externalWindowHandle" wants it.
    std::string nativeHandle() const;
    int width() const;
    int height() const;
    bool maximised() const;
    bool fullScreen() const;
    void maximise();
    // Full screen on the desktop's resolution, or back to the size it had before.
    // Without a window manager (a bare X server) the window itself covers the screen.
    void toggleFullScreen();
    // The title the window manager and the task bar show (UTF-8).
    void setTitle(const std::string& title);

private:
    bool windowManaged() const;
    void coverScreen(bool cover);

    SDL_Window* window = nullptr;
    // Full screen without a window manager: the place and size to go back to.
    bool covering = false;
    int restoreX = 0, restoreY = 0, restoreWidth = 0, restoreHeight = 0;
};

// Parses a video mode such as "800 x 600"; false when it is not one.
bool parseVideoMode(const std::string& mode, int& width, int& height);

}  // namespace platform

namespace platform {
// Hides the window system's mouse pointer over our windows.
void hideSystemCursor();
}

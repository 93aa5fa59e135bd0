#include "platform/sdl/SdlWindow.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <algorithm>
#include <cstdio>
#include <stdexcept>

namespace platform {

SdlWindow::SdlWindow(const std::string& title, int width, int height, bool fullScreen, int minimumWidth,
                     int minimumHeight)
{
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0)
        throw std::runtime_error(std::string("Pencere acilamiyor: ") + SDL_GetError());
    // Never below the minimum; a size remembered on a larger screen is cut to this one's room.
    SDL_Rect room;
    if (!fullScreen && SDL_GetDisplayUsableBounds(0, &room) == 0) {
        width = std::min(width, room.w);
        height = std::min(height, room.h);
    }
    width = std::max(width, minimumWidth);
    height = std::max(height, minimumHeight);
    Uint32 flags = SDL_WINDOW_SHOWN | SDL_WINDOW_RESIZABLE | (fullScreen ? SDL_WINDOW_FULLSCREEN : 0);
    window = SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                              width, height, flags);
    if (!window) {
        std::string error = SDL_GetError();
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        throw std::runtime_error("Pencere acilamiyor: " + error);
    }
    SDL_SetWindowMinimumSize(window, minimumWidth, minimumHeight);
    SDL_StartTextInput();
}

SdlWindow::~SdlWindow()
{
    SDL_StopTextInput();
    SDL_DestroyWindow(window);
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

std::string SdlWindow::nativeHandle() const
{
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11)
        throw std::runtime_error("Pencere sistemi X11 degil; cizim icin bir X11 penceresi gerekiyor.");
    return std::to_string(static_cast<unsigned long>(info.info.x11.window));
}

int SdlWindow::width() const
{
    int w = 0, h = 0;
    SDL_GetWindowSize(window, &w, &h);
    return w;
}

int SdlWindow::height() const
{
    int w = 0, h = 0;
    SDL_GetWindowSize(window, &w, &h);
    return h;
}

bool SdlWindow::maximised() const { return SDL_GetWindowFlags(window) & SDL_WINDOW_MAXIMIZED; }

bool SdlWindow::fullScreen() const { return covering || (SDL_GetWindowFlags(window) & SDL_WINDOW_FULLSCREEN); }

void SdlWindow::maximise() { SDL_MaximizeWindow(window); }

void SdlWindow::toggleFullScreen()
{
    if (covering || !windowManaged()) {
        coverScreen(!covering);
        return;
    }
    if (SDL_SetWindowFullscreen(window, fullScreen() ? 0 : SDL_WINDOW_FULLSCREEN_DESKTOP) != 0)
        std::fprintf(stderr, "sahne: tam ekran degistirilemedi: %s\n", SDL_GetError());
}

// Full screen is the window manager's to give; a bare X server has none to ask
// (the window would keep its size while SDL took it for the screen's).
bool SdlWindow::windowManaged() const
{
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11)
        return true;
    Display* display = info.info.x11.display;
    const Atom check = XInternAtom(display, "_NET_SUPPORTING_WM_CHECK", True);
    if (check == None)
        return false;
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* value = nullptr;
    const bool found = XGetWindowProperty(display, DefaultRootWindow(display), check, 0, 1, False, XA_WINDOW, &type,
                                          &format, &count, &after, &value) == Success
                    && count == 1;
    if (value)
        XFree(value);
    return found;
}

void SdlWindow::coverScreen(bool cover)
{
    if (cover) {
        SDL_Rect screen;
        if (SDL_GetDisplayBounds(SDL_GetWindowDisplayIndex(window), &screen) != 0) {
            std::fprintf(stderr, "sahne: tam ekran degistirilemedi: %s\n", SDL_GetError());
            return;
        }
        SDL_GetWindowPosition(window, &restoreX, &restoreY);
        SDL_GetWindowSize(window, &restoreWidth, &restoreHeight);
        SDL_SetWindowPosition(window, screen.x, screen.y);
        SDL_SetWindowSize(window, screen.w, screen.h);
    } else {
        SDL_SetWindowSize(window, restoreWidth, restoreHeight);
        SDL_SetWindowPosition(window, restoreX, restoreY);
    }
    covering = cover;
}

void SdlWindow::setTitle(const std::string& title) { SDL_SetWindowTitle(window, title.c_str()); }

bool parseVideoMode(const std::string& mode, int& width, int& height)
{
    char tail = 0;
    return std::sscanf(mode.c_str(), " %d x %d %c", &width, &height, &tail) >= 2 && width > 0 && height > 0;
}

}  // namespace platform

namespace platform {
void hideSystemCursor() { SDL_ShowCursor(SDL_DISABLE); }

}

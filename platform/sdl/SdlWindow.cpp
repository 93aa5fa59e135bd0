#include "platform/sdl/SdlWindow.h"

#include <SDL.h>
#include <SDL_syswm.h>

#include <cstdio>
#include <stdexcept>

namespace platform {

SdlWindow::SdlWindow(const std::string& title, int width, int height, bool fullScreen)
{
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0)
        throw std::runtime_error(std::string("Pencere acilamiyor: ") + SDL_GetError());
    Uint32 flags = SDL_WINDOW_SHOWN | (fullScreen ? SDL_WINDOW_FULLSCREEN : 0);
    window = SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                              width, height, flags);
    if (!window) {
        std::string error = SDL_GetError();
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        throw std::runtime_error("Pencere acilamiyor: " + error);
    }
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

#include "platform/sdl/DisplayConnection.h"

#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>

namespace platform {

namespace {

bool displayNamed()
{
    const char* name = std::getenv("DISPLAY");
    return name && *name;
}

}  // namespace

DisplayConnection::DisplayConnection(int patienceMs)
{
    // The renderer draws into X11 windows: only an X11 display will do. Asked for by
    // name, SDL does not fall back to another video driver while X11 is unreachable.
    SDL_SetHintWithPriority(SDL_HINT_VIDEODRIVER, "x11", SDL_HINT_DEFAULT);
    std::string problem;
    const Uint32 start = SDL_GetTicks();
    for (;;) {
        if (SDL_InitSubSystem(SDL_INIT_VIDEO) == 0) {
            const char* driver = SDL_GetCurrentVideoDriver();
            if (driver && std::string(driver) == "x11")
                return;
            SDL_QuitSubSystem(SDL_INIT_VIDEO);
            problem = "X11 degil";
        } else {
            problem = SDL_GetError();
        }
        // A named display that refuses us may be resetting: ask again shortly.
        if (!displayNamed() || static_cast<int>(SDL_GetTicks() - start) >= patienceMs)
            break;
        SDL_Delay(50);
    }
    std::fprintf(stderr, "SDL: %s\n", problem.c_str());
    const std::string which = displayNamed() ? std::string("DISPLAY=") + std::getenv("DISPLAY") +
                                                   " ekranina baglanilamadi"
                                             : std::string("DISPLAY tanimli degil");
    throw std::runtime_error("Editor penceresinin acilacagi bir X11 ekrani yok (" + which +
                             "). Editoru bir masaustu oturumundan ya da, ekran yokken sanal bir ekran "
                             "baslatan scripts/run ile baslatin.");
}

DisplayConnection::~DisplayConnection()
{
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

}  // namespace platform

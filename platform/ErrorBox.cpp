#include "platform/ErrorBox.h"

#include <SDL.h>

#include <cstdio>

namespace platform {

void showErrorBox(const std::string& caption, const std::string& text)
{
    std::fprintf(stderr, "%s\n%s\n", caption.c_str(), text.c_str());
    // Without a display there is no box to show; standard error has the message.
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, caption.c_str(), text.c_str(), nullptr);
}

}  // namespace platform

#include "platform/sdl/SdlClipboard.h"

#include <SDL.h>

#include <cstdio>

namespace platform {

namespace {

bool desktopClipboard() { return SDL_WasInit(SDL_INIT_VIDEO) != 0; }

}  // namespace

void SdlClipboard::setText(const std::string& text)
{
    own = text;
    if (desktopClipboard() && SDL_SetClipboardText(text.c_str()) != 0)
        std::fprintf(stderr, "sahne: the clipboard took no text: %s\n", SDL_GetError());
}

std::string SdlClipboard::text() const
{
    if (!desktopClipboard())
        return own;
    char* held = SDL_GetClipboardText();
    std::string text = held ? held : "";
    SDL_free(held);
    return text;
}

}  // namespace platform

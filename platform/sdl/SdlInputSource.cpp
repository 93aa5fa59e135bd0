#include "platform/sdl/SdlInputSource.h"

#include "platform/input/InputEvents.h"

#include <SDL.h>

namespace platform {

namespace {

int buttonMask(Uint8 sdlButton)
{
    switch (sdlButton) {
    case SDL_BUTTON_LEFT: return input::BUTTON0_MASK;
    case SDL_BUTTON_RIGHT: return input::BUTTON1_MASK;
    case SDL_BUTTON_MIDDLE: return input::BUTTON2_MASK;
    case SDL_BUTTON_X1: return input::BUTTON3_MASK;
    default: return 0;
    }
}

void relativePosition(Uint32 windowId, int x, int y, float& rx, float& ry)
{
    int w = 1, h = 1;
    if (SDL_Window* window = SDL_GetWindowFromID(windowId))
        SDL_GetWindowSize(window, &w, &h);
    rx = w > 0 ? static_cast<float>(x) / w : 0;
    ry = h > 0 ? static_cast<float>(y) / h : 0;
}

}  // namespace

void decodeUtf8(const char* text, std::vector<unsigned int>& codePoints)
{
    const auto* p = reinterpret_cast<const unsigned char*>(text);
    while (*p) {
        unsigned int c = *p;
        int extra = c < 0x80 ? 0 : (c >> 5) == 0x6 ? 1 : (c >> 4) == 0xE ? 2 : (c >> 3) == 0x1E ? 3 : -1;
        if (extra < 0) {
            ++p;
            continue;
        }
        unsigned int code = extra == 0 ? c : c & (0x3F >> extra);
        int i = 1;
        for (; i <= extra && (p[i] & 0xC0) == 0x80; ++i)
            code = (code << 6) | (p[i] & 0x3F);
        if (i <= extra) {
            p += i;
            continue;
        }
        codePoints.push_back(code);
        p += extra + 1;
    }
}

void SdlInputSource::poll(std::vector<input::RawEvent>& out)
{
    using input::RawEvent;
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        RawEvent raw{RawEvent::KeyDown};
        switch (event.type) {
        case SDL_KEYDOWN:
        case SDL_KEYUP:
            raw.type = event.type == SDL_KEYDOWN ? RawEvent::KeyDown : RawEvent::KeyUp;
            raw.key = input::keyCodeFromScancode(event.key.keysym.scancode);
            if (raw.key != input::KC_UNASSIGNED)
                out.push_back(raw);
            break;
        case SDL_TEXTINPUT: {
            std::vector<unsigned int> codePoints;
            decodeUtf8(event.text.text, codePoints);
            for (unsigned int code : codePoints) {
                raw.type = RawEvent::Text;
                raw.codePoint = code;
                out.push_back(raw);
            }
            break;
        }
        case SDL_MOUSEMOTION:
            raw.type = RawEvent::MouseMove;
            relativePosition(event.motion.windowID, event.motion.x, event.motion.y, raw.x, raw.y);
            out.push_back(raw);
            break;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
            // A press reports where it happened: move there first.
            raw.type = RawEvent::MouseMove;
            relativePosition(event.button.windowID, event.button.x, event.button.y, raw.x, raw.y);
            out.push_back(raw);
            raw.type = event.type == SDL_MOUSEBUTTONDOWN ? RawEvent::ButtonDown : RawEvent::ButtonUp;
            raw.buttonMask = buttonMask(event.button.button);
            raw.clickCount = event.button.clicks;
            if (raw.buttonMask)
                out.push_back(raw);
            break;
        case SDL_MOUSEWHEEL:
            raw.type = RawEvent::Wheel;
            raw.notches = event.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -event.wheel.y : event.wheel.y;
            if (raw.notches != 0)
                out.push_back(raw);
            break;
        case SDL_QUIT:
            raw.type = RawEvent::WindowClosed;
            out.push_back(raw);
            break;
        case SDL_WINDOWEVENT:
            if (event.window.event == SDL_WINDOWEVENT_CLOSE) {
                raw.type = RawEvent::WindowClosed;
                out.push_back(raw);
            }
            break;
        default:
            break;
        }
    }
}

}  // namespace platform

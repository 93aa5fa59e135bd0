#include "platform/input/InputReader.h"

#include <stdexcept>

namespace input {

namespace {
InputSource* activeSource = nullptr;
}

InputSource* InputSource::active() { return activeSource; }
void InputSource::setActive(InputSource* source) { activeSource = source; }

InputReader::InputReader(InputSource* source) : source(source) {}

void InputReader::capture()
{
    relX = relY = 0;
    tapped.reset();
    pending.clear();
    if (source)
        source->poll(pending);
    for (const RawEvent& raw : pending)
        handle(raw);
}

void InputReader::handle(const RawEvent& raw)
{
    switch (raw.type) {
    case RawEvent::KeyDown:
        keys.set(raw.key & 0xFF);
        tapped.set(raw.key & 0xFF);
        if (keysBuffered || keyEventsAlways)
            queue.push_back({Buffered::KeyPressed, raw.key, 0, mouseX, mouseY, 0, 0, 0, 1, modifiers()});
        break;
    case RawEvent::KeyUp:
        keys.reset(raw.key & 0xFF);
        if (keysBuffered || keyEventsAlways)
            queue.push_back({Buffered::KeyReleased, raw.key, 0, mouseX, mouseY, 0, 0, 0, 1, modifiers()});
        break;
    case RawEvent::Text:
        if (!keysBuffered)
            break;
        // The window system reports the typed text after the key: attach it to that key.
        if (!queue.empty() && queue.back().type == Buffered::KeyPressed && queue.back().keyChar == 0)
            queue.back().keyChar = raw.codePoint;
        else
            queue.push_back({Buffered::KeyPressed, KC_UNASSIGNED, raw.codePoint, mouseX, mouseY, 0, 0, 0, 1});
        break;
    case RawEvent::MouseMove: {
        float dx = raw.x - mouseX, dy = raw.y - mouseY;
        mouseX = raw.x;
        mouseY = raw.y;
        relX += dx;
        relY += dy;
        if (mouseBuffered)
            queue.push_back({Buffered::MouseMoved, KC_UNASSIGNED, 0, mouseX, mouseY, dx, dy, buttons, 1});
        break;
    }
    case RawEvent::ButtonDown:
        buttons |= raw.buttonMask;
        if (mouseBuffered)
            queue.push_back({Buffered::MousePressed, KC_UNASSIGNED, 0, mouseX, mouseY, 0, 0,
                             raw.buttonMask, raw.clickCount, modifiers()});
        break;
    case RawEvent::ButtonUp:
        buttons &= ~raw.buttonMask;
        if (mouseBuffered)
            queue.push_back({Buffered::MouseReleased, KC_UNASSIGNED, 0, mouseX, mouseY, 0, 0,
                             raw.buttonMask, raw.clickCount, modifiers()});
        break;
    case RawEvent::WindowClosed:
        closed = true;
        break;
    }
}

bool InputReader::isKeyDown(KeyCode key) const
{
    return keys.test(key & 0xFF) || tapped.test(key & 0xFF);
}

int InputReader::modifiers() const
{
    const auto held = [this](KeyCode a, KeyCode b) { return keys.test(a & 0xFF) || keys.test(b & 0xFF); };
    return (held(KC_LSHIFT, KC_RSHIFT) ? SHIFT_MASK : 0) | (held(KC_LCONTROL, KC_RCONTROL) ? CTRL_MASK : 0)
         | (held(KC_LMENU, KC_RMENU) ? ALT_MASK : 0);
}

bool InputReader::getMouseButton(int index) const
{
    return index >= 0 && index < 4 && (buttons & (BUTTON0_MASK << index)) != 0;
}

void InputReader::setBufferedInput(bool keysOn, bool mouseOn)
{
    keysBuffered = keysOn;
    mouseBuffered = mouseOn;
}

std::vector<InputReader::Buffered> InputReader::takeEvents()
{
    std::vector<Buffered> out;
    out.swap(queue);
    return out;
}

InputReader* createInputReader() { return new InputReader(InputSource::active()); }

void destroyInputReader(InputReader* reader) { delete reader; }

}  // namespace input

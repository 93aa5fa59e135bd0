#pragma once

#include "platform/input/KeyCodes.h"

#include <vector>

namespace input {

// One thing that happened at the keyboard, the mouse or the window.
struct RawEvent {
    enum Type { KeyDown, KeyUp, Text, MouseMove, ButtonDown, ButtonUp, Wheel, WindowClosed };
    Type type;
    KeyCode key = KC_UNASSIGNED;  // KeyDown, KeyUp
    unsigned int codePoint = 0;   // Text: one Unicode code point
    float x = 0, y = 0;           // mouse position, relative to the window (0..1)
    int buttonMask = 0;           // ButtonDown, ButtonUp: one of the MouseButtonMask bits
    int clickCount = 1;
    int notches = 0;              // Wheel: positive turned away from the user
};

// Where input comes from: the window system in the editor, a script in tests.
class InputSource {
public:
    virtual ~InputSource() = default;
    // Appends everything that happened since the last call.
    virtual void poll(std::vector<RawEvent>& out) = 0;

    // The source the input readers of this process read from.
    static InputSource* active();
    static void setActive(InputSource* source);
};

}  // namespace input

#pragma once

#include "platform/input/KeyCodes.h"

#include <string>

namespace input { class KeyEvent; }

// A key and the modifier keys (input::KeyModifierMask) held with it.
struct KeyChord {
    input::KeyCode key;
    int modifiers = 0;

    // The key, with Ctrl and Shift held exactly as the chord says (Alt is not looked at).
    bool matches(const input::KeyEvent& event) const;
};

// The chord as menus and the key list write it: "Ctrl+Shift+S", "Del", "F5".
std::string chordName(const KeyChord& chord);

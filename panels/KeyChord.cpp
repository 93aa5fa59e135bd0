#include "panels/KeyChord.h"

#include "platform/input/InputEvents.h"

namespace {

using namespace input;

// Letters in the order of their key codes' rows.
const char* letterName(KeyCode key)
{
    static const char* const names[] = {"Q", "W", "E", "R", "T", "Y", "U", "I", "O", "P"};
    static const char* const home[] = {"A", "S", "D", "F", "G", "H", "J", "K", "L"};
    static const char* const bottom[] = {"Z", "X", "C", "V", "B", "N", "M"};
    if (key >= KC_Q && key <= KC_P)
        return names[key - KC_Q];
    if (key >= KC_A && key <= KC_L)
        return home[key - KC_A];
    if (key >= KC_Z && key <= KC_M)
        return bottom[key - KC_Z];
    return nullptr;
}

// What the key cap says.
std::string keyName(KeyCode key)
{
    if (const char* letter = letterName(key))
        return letter;
    if (key >= KC_F1 && key <= KC_F10)
        return "F" + std::to_string(key - KC_F1 + 1);
    switch (key) {
    case KC_F11: return "F11";
    case KC_F12: return "F12";
    case KC_ESCAPE: return "Esc";
    case KC_DELETE: return "Del";
    case KC_HOME: return "Home";
    case KC_END: return "End";
    case KC_PGUP: return "Page Up";
    case KC_PGDOWN: return "Page Down";
    case KC_SYSRQ: return "Print";
    default: return "?";
    }
}

}  // namespace

bool KeyChord::matches(const input::KeyEvent& event) const
{
    const int held = event.getModifiers() & (CTRL_MASK | SHIFT_MASK);
    return event.getKey() == key && held == (modifiers & (CTRL_MASK | SHIFT_MASK));
}

std::string chordName(const KeyChord& chord)
{
    std::string name;
    if (chord.modifiers & CTRL_MASK)
        name += "Ctrl+";
    if (chord.modifiers & SHIFT_MASK)
        name += "Shift+";
    if (chord.modifiers & ALT_MASK)
        name += "Alt+";
    return name + keyName(chord.key);
}

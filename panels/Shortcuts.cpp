#include "panels/DocumentController.h"

#include "platform/input/InputEvents.h"

bool DocumentController::handleKey(const input::KeyEvent& key, bool typing)
{
    using namespace input;
    // While the guard asks, it alone takes the keys; Escape there means Vazgec.
    if (guard.isOpen()) {
        if (key.getKey() == KC_ESCAPE)
            guard.cancel();
        return true;
    }
    if (typing || dialogOpen)
        return false;
    switch (key.getKey()) {
    case KC_ESCAPE: exit(); return true;
    case KC_DELETE: deleteSelected(); return true;
    default: break;
    }
    if (!key.isCtrlDown())
        return false;
    switch (key.getKey()) {
    case KC_N: newScenario(); return true;
    case KC_O: open(); return true;
    case KC_S: key.isShiftDown() ? save() : saveToFile(); return true;
    case KC_Z: key.isShiftDown() ? redo() : undo(); return true;
    case KC_Y: redo(); return true;
    default: return false;
    }
}

#include "panels/Shortcuts.h"

#include "panels/DocumentController.h"
#include "panels/EditCommands.h"
#include "platform/input/InputEvents.h"

bool Shortcuts::handleChord(const input::KeyEvent& key)
{
    using namespace input;
    if (!key.isCtrlDown())
        return false;
    switch (key.getKey()) {
    case KC_N: documents.newScenario(); return true;
    case KC_O: documents.open(); return true;
    case KC_S: key.isShiftDown() ? documents.save() : documents.saveToFile(); return true;
    case KC_Z: key.isShiftDown() ? documents.redo() : documents.undo(); return true;
    case KC_Y: documents.redo(); return true;
    case KC_A: edits.selectAll(); return true;
    case KC_C: edits.copy(); return true;
    case KC_X: edits.cut(); return true;
    case KC_V: edits.paste(); return true;
    case KC_D: edits.duplicate(); return true;
    default: return false;
    }
}

bool Shortcuts::leaveOnEscape(const input::KeyEvent& key)
{
    if (key.getKey() != input::KC_ESCAPE)
        return false;
    documents.exit();
    return true;
}

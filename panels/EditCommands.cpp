#include "panels/EditCommands.h"

#include "editing/EditingTools.h"
#include "gui/WindowLookup.h"
#include "panels/CameraView.h"
#include "platform/input/InputEvents.h"
#include "platform/sdl/SdlClipboard.h"

#include <CEGUI/CEGUI.h>

void EditCommands::wire()
{
    const std::pair<const char*, void (EditCommands::*)()> items[] = {{"kesPopupItem", &EditCommands::cut},
                                                                      {"kopyalaPopupItem", &EditCommands::copy},
                                                                      {"yapistirPopupItem", &EditCommands::paste},
                                                                      {"cogaltPopupItem", &EditCommands::duplicate},
                                                                      {"tumunuSecPopupItem", &EditCommands::selectAll}};
    for (const auto& [name, command] : items)
        onWindowEvent(name, CEGUI::PushButton::EventClicked, [this, command = command] {
            if (!parts.busy())
                (this->*command)();
        });
}

bool EditCommands::handleKey(const input::KeyEvent& key, bool typing)
{
    using namespace input;
    if (typing || parts.busy())
        return false;
    if (key.getKey() == KC_ESCAPE) {
        // Only an Escape with nothing to give up goes on to end the editor.
        if (!parts.tools.canCancel())
            return false;
        parts.tools.cancel();
        return true;
    }
    if (!key.isCtrlDown()) {
        const int step = key.isShiftDown() ? quarterTurn : turnStep;
        switch (key.getKey()) {
        case KC_Q: parts.tools.turn(-step); return true;
        case KC_E: parts.tools.turn(step); return true;
        default: return false;
        }
    }
    switch (key.getKey()) {
    case KC_A: selectAll(); return true;
    case KC_C: copy(); return true;
    case KC_X: cut(); return true;
    case KC_V: paste(); return true;
    case KC_D: duplicate(); return true;
    default: return false;
    }
}

void EditCommands::cut()
{
    const std::string text = parts.tools.edits().cut();
    if (!text.empty())
        parts.clipboard.setText(text);
}

void EditCommands::copy()
{
    const std::string text = parts.tools.edits().copy();
    if (!text.empty())
        parts.clipboard.setText(text);
}

void EditCommands::paste() { parts.tools.edits().paste(parts.clipboard.text(), parts.view.pastePoint()); }

void EditCommands::duplicate() { parts.tools.edits().duplicate(); }

void EditCommands::selectAll() { parts.tools.edits().selectAll(); }

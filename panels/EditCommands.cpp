#include "panels/EditCommands.h"

#include "editing/EditingTools.h"
#include "gui/EditorMode.h"
#include "gui/WindowLookup.h"
#include "panels/MainWindowNames.h"
#include "panels/CameraView.h"
#include "platform/input/InputEvents.h"
#include "platform/sdl/SdlClipboard.h"

#include <CEGUI/CEGUI.h>

void EditCommands::wire()
{
    using namespace mainnames;
    const std::pair<const char*, void (EditCommands::*)()> items[] = {{cutItem, &EditCommands::cut},
                                                                      {copyItem, &EditCommands::copy},
                                                                      {pasteItem, &EditCommands::paste},
                                                                      {duplicateItem, &EditCommands::duplicate},
                                                                      {selectAllItem, &EditCommands::selectAll}};
    for (const auto& [name, command] : items)
        onWindowEvent(name, CEGUI::PushButton::EventClicked, [this, command = command] {
            if (parts.mode.allowed().commands)
                (this->*command)();
        });
}

bool EditCommands::handleToolKey(const input::KeyEvent& key)
{
    using namespace input;
    switch (key.getKey()) {
    case KC_ESCAPE:
        // Only an Escape with nothing to give up goes on to end the editor.
        if (!parts.tools.canCancel())
            return false;
        parts.tools.cancel();
        return true;
    case deleteKey.key:
        parts.tools.deleteSelected();
        return true;
    case KC_Q:
    case KC_E: {
        if (key.isCtrlDown())
            return false;
        const int step = key.isShiftDown() ? quarterTurn : turnStep;
        parts.tools.turn(key.getKey() == KC_Q ? -step : step);
        return true;
    }
    default:
        return false;
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

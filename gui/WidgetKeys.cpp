#include "gui/WidgetKeys.h"

#include "platform/input/InputEvents.h"

#include <CEGUI/CEGUI.h>

namespace {

bool typesCharacter(unsigned int codePoint) { return codePoint >= 32 && codePoint != 127; }

bool isLetter(input::KeyCode key)
{
    using namespace input;
    return (key >= KC_Q && key <= KC_P) || (key >= KC_A && key <= KC_L) || (key >= KC_Z && key <= KC_M);
}

bool isCommand(const input::KeyEvent& key)
{
    return key.getKey() == input::KC_ESCAPE || key.getKey() == input::KC_DELETE ||
           (key.isCtrlDown() && isLetter(key.getKey()));
}

}  // namespace

bool typeIntoWidgets(const input::KeyEvent& key)
{
    if (isCommand(key))
        return false;
    CEGUI::GUIContext& context = CEGUI::System::getSingleton().getDefaultGUIContext();
    context.injectKeyDown(static_cast<CEGUI::Key::Scan>(key.getKey()));
    if (typesCharacter(key.getKeyChar()))
        context.injectChar(key.getKeyChar());
    return true;
}

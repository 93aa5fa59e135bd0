#include "gui/WidgetKeys.h"

#include "platform/input/InputEvents.h"

#include <CEGUI/CEGUI.h>

namespace {

bool typesCharacter(unsigned int codePoint) { return codePoint >= 32 && codePoint != 127; }

}  // namespace

bool typeIntoWidgets(const input::KeyEvent& key)
{
    if (key.getKey() == input::KC_ESCAPE || key.getKey() == input::KC_DELETE)
        return true;
    CEGUI::GUIContext& context = CEGUI::System::getSingleton().getDefaultGUIContext();
    context.injectKeyDown(static_cast<CEGUI::Key::Scan>(key.getKey()));
    if (typesCharacter(key.getKeyChar()))
        context.injectChar(key.getKeyChar());
    return true;
}

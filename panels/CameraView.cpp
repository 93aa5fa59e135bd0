#include "panels/CameraView.h"

#include "editing/EditingTools.h"
#include "panels/ViewCoordinates.h"
#include "gui/WindowLookup.h"
#include "panels/Panels.h"

#include <CEGUI/CEGUI.h>

namespace {

CEGUI::Window* view() { return getWindow("windowFrame"); }

ViewPoint viewPointOf(const CEGUI::Vector2f& screenPosition)
{
    const Ogre::Vector2 at = toWindowRelative(*view(), screenPosition);
    return {at.x, at.y};
}

}  // namespace

void CameraView::wire()
{
    subscribeWindow("windowFrame", CEGUI::Window::EventMouseClick, [this](const CEGUI::EventArgs& args) {
        const auto& click = static_cast<const CEGUI::MouseEventArgs&>(args);
        press(click.position, click.button == CEGUI::RightButton);
        closeMenuPopups();
        return true;
    });
}

void CameraView::press(const CEGUI::Vector2f& screenPosition, bool right)
{
    if (isLocked)
        return;
    if (right)
        tools.cancel();
    else
        tools.press(viewPointOf(screenPosition));
}

void CameraView::hover()
{
    if (isLocked)
        return;
    tools.hover(viewPointOf(CEGUI::System::getSingleton().getDefaultGUIContext().getMouseCursor().getPosition()));
}

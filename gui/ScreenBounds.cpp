#include "gui/ScreenBounds.h"

#include "gui/WindowLookup.h"

#include <CEGUI/CEGUI.h>

#include <algorithm>

namespace {

void moveInside(CEGUI::Window& window)
{
    // Positions count from the parent's inside (a frame's, within its title bar and border).
    const CEGUI::Sizef parent = window.getParent()->getChildContentArea(window.isNonClient()).get().getSize();
    const CEGUI::Sizef size = window.getPixelSize();
    const CEGUI::UVector2& at = window.getPosition();
    const float x = at.d_x.d_scale * parent.d_width + at.d_x.d_offset;
    const float y = at.d_y.d_scale * parent.d_height + at.d_y.d_offset;
    const float insideX = std::clamp(x, 0.0f, std::max(0.0f, parent.d_width - size.d_width));
    const float insideY = std::clamp(y, 0.0f, std::max(0.0f, parent.d_height - size.d_height));
    // Moving it back fires this again, with nothing left to do.
    if (insideX != x || insideY != y)
        window.setPosition(CEGUI::UVector2(CEGUI::UDim(0, insideX), CEGUI::UDim(0, insideY)));
}

}  // namespace

void keepInsideParent(const std::string& windowName)
{
    CEGUI::Window* window = getWindow(windowName);
    // Dragged out, or left outside when the parent shrank with the editor's window.
    for (const CEGUI::String& event : {CEGUI::Window::EventMoved, CEGUI::Window::EventParentSized})
        window->subscribeEvent(event, [window](const CEGUI::EventArgs&) {
            moveInside(*window);
            return true;
        });
}

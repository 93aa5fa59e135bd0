#include "panels/CameraView.h"

#include "editing/EditingTools.h"
#include "gui/EditorMode.h"
#include "gui/WindowLookup.h"
#include "panels/MainWindowNames.h"
#include "panels/MenuPopups.h"
#include "panels/ViewCoordinates.h"
#include "platform/input/InputEvents.h"

#include <CEGUI/CEGUI.h>

#include <algorithm>

namespace {

using namespace mainnames;

CEGUI::Window* view() { return getWindow(cameraView); }

ViewPoint viewPointOf(const CEGUI::Vector2f& screenPosition)
{
    const Ogre::Vector2 at = toWindowRelative(*view(), screenPosition);
    return {at.x, at.y};
}

CEGUI::Vector2f mousePosition()
{
    return CEGUI::System::getSingleton().getDefaultGUIContext().getMouseCursor().getPosition();
}

// The view point under the mouse while the mouse is over the view's picture,
// not over a menu or a window in front of it.
std::optional<ViewPoint> pointed()
{
    const CEGUI::Window* over =
        CEGUI::System::getSingleton().getDefaultGUIContext().getWindowContainingMouse();
    if (!over || (over != view() && !over->isAncestor(view())))
        return std::nullopt;
    return viewPointOf(mousePosition());
}

const CEGUI::MouseEventArgs& mouseArgs(const CEGUI::EventArgs& args)
{
    return static_cast<const CEGUI::MouseEventArgs&>(args);
}

}  // namespace

void CameraView::wire()
{
    subscribeWindow(cameraView, CEGUI::Window::EventMouseButtonDown, [this](const CEGUI::EventArgs& args) {
        const auto& down = mouseArgs(args);
        bandEnded = false;
        return down.button == CEGUI::LeftButton && beginBand(down.position);
    });
    subscribeWindow(cameraView, CEGUI::Window::EventMouseMove, [this](const CEGUI::EventArgs&) {
        drawBand();
        return false;
    });
    subscribeWindow(cameraView, CEGUI::Window::EventMouseButtonUp, [this](const CEGUI::EventArgs& args) {
        const auto& up = mouseArgs(args);
        return up.button == CEGUI::LeftButton && endBand(up.position);
    });
    subscribeWindow(cameraView, CEGUI::Window::EventMouseClick, [this](const CEGUI::EventArgs& args) {
        const auto& click = mouseArgs(args);
        if (!bandEnded)
            press(click.position, click.button == CEGUI::RightButton);
        bandEnded = false;
        closeMenuPopups();
        return true;
    });
    mode.follow([](const EditorMode& now) { getWindow(startHint)->setVisible(!now.started()); });
}

bool CameraView::takesClicks() const { return mode.allowed().viewClicks; }

void CameraView::frame()
{
    // Shown anew, the picture of the camera is drawn again.
    view()->setVisible(false);
    view()->setVisible(true);
    if (takesClicks())
        hover();
}

void CameraView::setFullWidth(bool full)
{
    view()->setWidth(CEGUI::UDim(1, full ? 0 : -toolboxWidth));
}

void CameraView::press(const CEGUI::Vector2f& screenPosition, bool right)
{
    if (!takesClicks())
        return;
    if (right)
        tools.cancel();
    else
        tools.press(viewPointOf(screenPosition), modifiers && (modifiers() & input::SHIFT_MASK));
    drawBand();
}

void CameraView::hover()
{
    // A band whose release the view did not see (the pointer had left it) ends now.
    if (tools.band() && !(leftHeld && leftHeld()))
        endBand(mousePosition());
    tools.hover(viewPointOf(mousePosition()));
    drawBand();
    if (const std::optional<ViewPoint> at = pointed())
        lastPointed = *at;
}

ViewPoint CameraView::pastePoint() const { return pointed().value_or(lastPointed); }

bool CameraView::underPointer() const { return pointed().has_value(); }

bool CameraView::beginBand(const CEGUI::Vector2f& screenPosition)
{
    const int held = modifiers ? modifiers() : 0;
    const bool adding = held & input::SHIFT_MASK;
    if (!takesClicks() || !(held & input::CTRL_MASK) || !tools.beginBand(viewPointOf(screenPosition), adding))
        return false;
    drawBand();
    return true;
}

bool CameraView::endBand(const CEGUI::Vector2f& screenPosition)
{
    if (!tools.band())
        return false;
    tools.endBand(viewPointOf(screenPosition));
    bandEnded = true;
    drawBand();
    return true;
}

void CameraView::drawBand()
{
    CEGUI::Window* frame = getWindow(rubberBand);
    const std::optional<RubberBand>& band = tools.band();
    if (band)
        tools.dragBand(viewPointOf(mousePosition()));
    frame->setVisible(band.has_value());
    if (!band)
        return;
    const float left = std::clamp(std::min(band->from.x, band->to.x), 0.0f, 1.0f);
    const float top = std::clamp(std::min(band->from.y, band->to.y), 0.0f, 1.0f);
    const float right = std::clamp(std::max(band->from.x, band->to.x), 0.0f, 1.0f);
    const float bottom = std::clamp(std::max(band->from.y, band->to.y), 0.0f, 1.0f);
    frame->setArea(CEGUI::UDim(left, 0), CEGUI::UDim(top, 0), CEGUI::UDim(right - left, 0),
                   CEGUI::UDim(bottom - top, 0));
}

#include "panels/FloatingWindow.h"

#include "gui/ScreenBounds.h"
#include "gui/WindowLookup.h"
#include "panels/MenuPopups.h"

#include <CEGUI/CEGUI.h>

void wireFloatingWindow(const char* window, const char* menuItem, std::function<void()> onMenuItem,
                        std::function<void()> onClose)
{
    getWindow(window)->setVisible(false);
    keepInsideParent(window);
    onWindowEvent(menuItem, CEGUI::PushButton::EventClicked, [onMenuItem = std::move(onMenuItem)] {
        closeMenuPopups();
        onMenuItem();
    });
    onWindowEvent(window, CEGUI::FrameWindow::EventCloseClicked, std::move(onClose));
}

void bringUp(const char* window)
{
    CEGUI::Window* shown = getWindow(window);
    shown->setVisible(true);
    shown->moveToFront();
}

#include "panels/ViewCoordinates.h"

#include <CEGUI/CoordConverter.h>
#include <CEGUI/Window.h>

Ogre::Vector2 toWindowRelative(const CEGUI::Window& window, const CEGUI::Vector2f& screenPosition)
{
    const CEGUI::Sizef size = window.getPixelSize();
    if (size.d_width <= 0 || size.d_height <= 0)
        return Ogre::Vector2::ZERO;
    return {CEGUI::CoordConverter::screenToWindowX(window, screenPosition.d_x) / size.d_width,
            CEGUI::CoordConverter::screenToWindowY(window, screenPosition.d_y) / size.d_height};
}

#pragma once

#include <CEGUI/Vector.h>
#include <OgreVector.h>

namespace CEGUI { class Window; }

// A screen position (pixels) as a position relative to the window: 0..1 across
// and down inside it. A window without area gives (0, 0).
Ogre::Vector2 toWindowRelative(const CEGUI::Window& window, const CEGUI::Vector2f& screenPosition);

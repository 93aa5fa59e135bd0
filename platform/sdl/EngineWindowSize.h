#pragma once

namespace Ogre { class RenderWindow; }

namespace platform {

// Tells the engine's window, which draws into the native window, its new size
// in pixels: its viewports follow.
void resizeEngineWindow(Ogre::RenderWindow& window, unsigned width, unsigned height);

}  // namespace platform

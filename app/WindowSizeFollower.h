#pragma once

#include "document/WindowSizeSetting.h"

#include <OgreFrameListener.h>

#include <functional>

namespace Ogre {
class Camera;
class RenderWindow;
}
namespace platform { class SdlWindow; }

// Once a frame, before anything is drawn: when the native window has a new
// size (the user resized or maximised it, or F11), the engine's window and its
// viewports, the window camera's aspect ratio and the widgets (their display
// size, the cursor's area) take it on; then whatever else follows a size
// (the camera view's picture) is asked to.
class WindowSizeFollower : public Ogre::FrameListener {
public:
    WindowSizeFollower(platform::SdlWindow& native, Ogre::RenderWindow& window, Ogre::Camera& windowCamera,
                       std::function<void()> afterSizes);

    bool frameStarted(const Ogre::FrameEvent&) override;
    // The size to start with next time: the last one the window had while
    // neither maximised nor full screen, and whether it is maximised now.
    WindowSize sizeToRemember() const;

private:
    void follow();

    platform::SdlWindow& native;
    Ogre::RenderWindow& window;
    Ogre::Camera& windowCamera;
    std::function<void()> afterSizes;
    int width = 0, height = 0;
    WindowSize normal;
};

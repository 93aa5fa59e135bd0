#include "app/WindowSizeFollower.h"

#include "platform/sdl/EngineWindowSize.h"
#include "platform/sdl/SdlWindow.h"

#include <CEGUI/System.h>
#include <OgreCamera.h>
#include <OgreRenderWindow.h>

WindowSizeFollower::WindowSizeFollower(platform::SdlWindow& native, Ogre::RenderWindow& window,
                                       Ogre::Camera& windowCamera, std::function<void()> afterSizes)
    : native(native), window(window), windowCamera(windowCamera), afterSizes(std::move(afterSizes)),
      width(static_cast<int>(window.getWidth())), height(static_cast<int>(window.getHeight())),
      normal{width, height, false}
{
}

bool WindowSizeFollower::frameStarted(const Ogre::FrameEvent&)
{
    follow();
    return true;
}

void WindowSizeFollower::follow()
{
    const int nativeWidth = native.width(), nativeHeight = native.height();
    if (nativeWidth > 0 && nativeHeight > 0 && (nativeWidth != width || nativeHeight != height)) {
        width = nativeWidth;
        height = nativeHeight;
        platform::resizeEngineWindow(window, static_cast<unsigned>(width), static_cast<unsigned>(height));
        const float drawnWidth = static_cast<float>(window.getWidth());
        const float drawnHeight = static_cast<float>(window.getHeight());
        windowCamera.setAspectRatio(drawnWidth / drawnHeight);
        CEGUI::System::getSingleton().notifyDisplaySizeChanged(CEGUI::Sizef(drawnWidth, drawnHeight));
    }
    if (!native.maximised() && !native.fullScreen())
        normal = WindowSize{width, height, false};
    if (afterSizes)
        afterSizes();
}

WindowSize WindowSizeFollower::sizeToRemember() const
{
    return WindowSize{normal.width, normal.height, native.maximised()};
}

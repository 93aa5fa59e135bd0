#pragma once

#include "document/WindowSizeSetting.h"

#include <memory>
#include <optional>

namespace Ogre {
class Camera;
class FrameListener;
class RenderWindow;
class LogManager;
class OverlaySystem;
class Root;
class SceneManager;
}
namespace platform {
class DisplayConnection;
class SdlInputSource;
class SdlWindow;
}

// Engine start-up as a fixed sequence of steps, and its teardown.
class ApplicationBase {
public:
    ApplicationBase();
    virtual ~ApplicationBase();

    virtual void run();

protected:
    // The start-up steps, in the order setup() takes them.
    virtual bool setup();
    virtual bool configure();
    virtual void chooseSceneManager();
    virtual void createCamera();
    virtual void createFrameListener();
    virtual void createScene() = 0;
    virtual void destroyScene() {}
    virtual void createViewports();
    virtual void setupResources();
    virtual void prepareResourceLoading() {}
    virtual void loadResources();
    // Opens the window at firstWindowSize, or else with the size and mode of the
    // engine's configuration; the user may resize it down to the minimum.
    void createRenderWindow();

    // The size the window had when the editor last ended, if it is known.
    std::optional<WindowSize> firstWindowSize;

    // The engine's pieces, made by the steps above and owned by the engine
    // (the frame listener by this object).
    Ogre::Root* root = nullptr;
    Ogre::Camera* camera = nullptr;
    Ogre::Camera* secondCamera = nullptr;
    Ogre::SceneManager* sceneManager = nullptr;
    Ogre::FrameListener* frameListener = nullptr;
    Ogre::RenderWindow* window = nullptr;

    Ogre::LogManager* logManager = nullptr;
    std::unique_ptr<platform::DisplayConnection> display;
    std::unique_ptr<platform::SdlWindow> nativeWindow;
    std::unique_ptr<platform::SdlInputSource> inputSource;
    // Overlays (the statistics) need the overlay system from engine start on.
    Ogre::OverlaySystem* overlaySystem = nullptr;
};

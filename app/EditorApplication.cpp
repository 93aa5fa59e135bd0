#include "app/EditorApplication.h"

#include "app/CameraPicture.h"
#include "app/Editor.h"
#include "app/EditorFrameListener.h"
#include "app/WindowSizeFollower.h"
#include "gui/GuiClock.h"
#include "platform/sdl/SdlWindow.h"
#include "scene/terrain/TerrainSceneManager.h"

#include <CEGUI/CEGUI.h>
#include <CEGUI/RendererModules/Ogre/Renderer.h>
#include <Ogre.h>

EditorApplication::EditorApplication() = default;

EditorApplication::~EditorApplication()
{
    if (root && guiClock)
        root->removeFrameListener(guiClock.get());
    guiClock.reset();
    if (root && sizeFollower)
        root->removeFrameListener(sizeFollower.get());
    sizeFollower.reset();
    // The editor's nodes and entities go before the scene manager.
    editor.reset();
    // The widget system, then its renderer, both before the engine they draw through.
    if (guiSystem) {
        CEGUI::System::destroy();
        guiSystem = nullptr;
    }
    if (guiRenderer) {
        CEGUI::OgreRenderer::destroy(*static_cast<CEGUI::OgreRenderer*>(guiRenderer));
        guiRenderer = nullptr;
    }
    if (guiResourceProvider)
        CEGUI::OgreRenderer::destroyOgreResourceProvider(*guiResourceProvider);
    if (guiImageCodec)
        CEGUI::OgreRenderer::destroyOgreImageCodec(*guiImageCodec);
}

void EditorApplication::chooseSceneManager()
{
    registerTerrainSceneManager(*root);
    sceneManager = root->createSceneManager(TerrainSceneManagerFactory::FACTORY_TYPE_NAME);
}

void EditorApplication::createCamera()
{
    camera = sceneManager->createCamera("PlayerCam");
    camera->setPosition(Ogre::Vector3(0, 0, 80));
    camera->lookAt(Ogre::Vector3(0, 0, -300));
    camera->setNearClipDistance(5);

    secondCamera = sceneManager->createCamera("PlayerCam2");
    secondCamera->setPosition(Ogre::Vector3(-20, 0, 20));
    secondCamera->lookAt(Ogre::Vector3(0, -1000, 20));
    secondCamera->setNearClipDistance(5);
}

void EditorApplication::createFrameListener()
{
    auto* listener = new EditorFrameListener(sceneManager, window, camera, secondCamera, guiRenderer);
    frameListener = listener;
    editor->connect(*listener);
    // The window manager and the task bar show what the frame's caption shows.
    editor->documents().windowCaption().followWith(
        [this](const std::string& caption) { nativeWindow->setTitle(caption); });
    root->addFrameListener(frameListener);
    guiClock = std::make_unique<GuiClock>();
    root->addFrameListener(guiClock.get());
    sizeFollower = std::make_unique<WindowSizeFollower>(*nativeWindow, *window, *secondCamera,
                                                        [this] { cameraPicture->fit(); });
    root->addFrameListener(sizeFollower.get());
    editor->onFullScreenKey([this] { nativeWindow->toggleFullScreen(); });
}

#include "app/ApplicationBase.h"

#include "app/BaseFrameListener.h"
#include "app/EnginePlugins.h"
#include "app/ResourceLocations.h"
#include "app/UserPaths.h"
#include "platform/sdl/DisplayConnection.h"
#include "platform/sdl/SdlInputSource.h"
#include "platform/sdl/SdlWindow.h"

#include <Bites/OgreBitesConfigDialog.h>
#include <Ogre.h>
#include <OgreOverlaySystem.h>

#include <stdexcept>

ApplicationBase::ApplicationBase() = default;

ApplicationBase::~ApplicationBase()
{
    delete frameListener;
    frameListener = nullptr;
    if (sceneManager && overlaySystem)
        sceneManager->removeRenderQueueListener(overlaySystem);
    delete overlaySystem;
    overlaySystem = nullptr;
    delete root;
    root = nullptr;
    delete logManager;
    logManager = nullptr;
    input::InputSource::setActive(nullptr);
    inputSource.reset();
    nativeWindow.reset();
    display.reset();
}

void ApplicationBase::run()
{
    try {
        if (!setup())
            return;
        root->startRendering();
        destroyScene();
    } catch (const Ogre::Exception& e) {
        // The text now, while the code that threw is surely still loaded.
        throw std::runtime_error(e.getFullDescription());
    }
}

bool ApplicationBase::setup()
{
    // The engine's log goes to its file only, not to the console.
    logManager = new Ogre::LogManager();
    const WritePlaces& places = writePlaces();
    logManager->createLog(places.engineLog, true, false, !places.engineLogToFile);
    // Held until the engine is gone: see DisplayConnection.
    display = std::make_unique<platform::DisplayConnection>();
    // The plug-ins one by one, so that a failing one can still be read (see EnginePlugins).
    root = new Ogre::Root("", places.engineConfig, places.engineLog);
    loadEnginePlugins(*root, "plugins.cfg");
    overlaySystem = new Ogre::OverlaySystem();
    setupResources();
    if (!configure())
        return false;
    chooseSceneManager();
    sceneManager->addRenderQueueListener(overlaySystem);
    createCamera();
    createViewports();
    Ogre::TextureManager::getSingleton().setDefaultNumMipmaps(5);
    prepareResourceLoading();
    loadResources();
    createScene();
    createFrameListener();
    return true;
}

bool ApplicationBase::configure()
{
    bool restored = false;
    try {
        restored = root->restoreConfig();
    } catch (const Ogre::Exception&) {
        // An option the render system does not know: ask the user instead.
        restored = false;
    }
    if (!restored) {
        Ogre::ConfigDialog* dialog = OgreBites::getNativeConfigDialog();
        if (!dialog || !root->showConfigDialog(dialog))
            return false;
    }
    createRenderWindow();
    return true;
}

void ApplicationBase::createRenderWindow()
{
    root->initialise(false);
    const Ogre::ConfigOptionMap& options = root->getRenderSystem()->getConfigOptions();
    int width = 800, height = 600;
    auto mode = options.find("Video Mode");
    if (mode != options.end())
        platform::parseVideoMode(mode->second.currentValue, width, height);
    auto full = options.find("Full Screen");
    const bool fullScreen = full != options.end() && full->second.currentValue == "Yes";
    if (firstWindowSize) {
        width = firstWindowSize->width;
        height = firstWindowSize->height;
    }

    // The editor shows the scenario's caption here once it is running.
    const std::string title = "Sahne";
    nativeWindow = std::make_unique<platform::SdlWindow>(title, width, height, fullScreen, minimumWindowWidth,
                                                         minimumWindowHeight);
    if (firstWindowSize && firstWindowSize->maximised)
        nativeWindow->maximise();
    Ogre::NameValuePairList params;
    params["externalWindowHandle"] = nativeWindow->nativeHandle();
    window = root->createRenderWindow(title, nativeWindow->width(), nativeWindow->height(), fullScreen, &params);
    inputSource = std::make_unique<platform::SdlInputSource>();
    input::InputSource::setActive(inputSource.get());
}

void ApplicationBase::chooseSceneManager()
{
    sceneManager = root->createSceneManager(Ogre::ST_GENERIC);
}

void ApplicationBase::createCamera()
{
    camera = sceneManager->createCamera("PlayerCam");
    camera->setPosition(Ogre::Vector3(0, 0, 500));
    camera->lookAt(Ogre::Vector3(0, 0, -300));
    camera->setNearClipDistance(1);

    secondCamera = sceneManager->createCamera("PlayerCam2");
    secondCamera->setPosition(Ogre::Vector3(0, 0, 500));
    secondCamera->lookAt(Ogre::Vector3(0, 0, -300));
    secondCamera->setNearClipDistance(1);
}

void ApplicationBase::createFrameListener()
{
    auto* listener = new BaseFrameListener(window, camera, secondCamera, false, false);
    frameListener = listener;
    listener->showStatistics(true);
    root->addFrameListener(frameListener);
}

void ApplicationBase::createViewports()
{
    Ogre::Viewport* viewport = window->addViewport(secondCamera, 0, 0, 0, 1, 1);
    viewport->setBackgroundColour(Ogre::ColourValue(0, 0, 0, 1));
    secondCamera->setAspectRatio(Ogre::Real(viewport->getActualWidth()) /
                                 Ogre::Real(viewport->getActualHeight()));
}

void ApplicationBase::setupResources()
{
    auto& groups = Ogre::ResourceGroupManager::getSingleton();
    for (const ResourceLocation& location : readResourceLocations("resources.cfg"))
        groups.addResourceLocation(location.location, location.type, location.group, false);
}

void ApplicationBase::loadResources()
{
    Ogre::ResourceGroupManager::getSingleton().initialiseAllResourceGroups();
}

#include "app/BaseFrameListener.h"

#include "app/UserPaths.h"

#include <Ogre.h>
#include <OgreOverlay.h>
#include <OgreOverlayElement.h>
#include <OgreOverlayManager.h>

#include <cstdio>

namespace {

Ogre::Overlay* findDebugOverlay()
{
    auto* overlays = Ogre::OverlayManager::getSingletonPtr();
    return overlays ? overlays->getByName("Core/DebugOverlay") : nullptr;
}

Ogre::PolygonMode polygonModeFor(int detailLevelIndex)
{
    switch (detailLevelIndex) {
    case 1: return Ogre::PM_WIREFRAME;
    case 2: return Ogre::PM_POINTS;
    default: return Ogre::PM_SOLID;
    }
}

}  // namespace

BaseFrameListener::BaseFrameListener(Ogre::RenderWindow* window, Ogre::Camera* camera,
                                     Ogre::Camera* secondCamera, bool bufferedKeys, bool bufferedMouse)
    : window(window), firstCamera(camera), secondCamera(secondCamera), controls(*camera),
      bufferedKeys(bufferedKeys), bufferedMouse(bufferedMouse), usesEventProcessor(bufferedKeys || bufferedMouse)
{
    debugOverlay = findDebugOverlay();
    if (usesEventProcessor) {
        eventProcessor = new input::EventProcessor();
        eventProcessor->initialise(window);
        eventProcessor->startProcessingEvents(true);
        eventProcessor->addKeyListener(this);
        inputReader = eventProcessor->getInputReader();
        inputReader->setBufferedInput(bufferedKeys, bufferedMouse);
    } else {
        inputReader = input::createInputReader();
    }
    if (debugOverlay)
        debugOverlay->show();
}

BaseFrameListener::~BaseFrameListener()
{
    if (usesEventProcessor)
        delete eventProcessor;
    else
        input::destroyInputReader(inputReader);
}

bool BaseFrameListener::renderWindowClosed() const
{
    return (window && window->isClosed()) || inputReader->windowClosed();
}

bool BaseFrameListener::frameStarted(const Ogre::FrameEvent& evt)
{
    if (renderWindowClosed() && closeEndsRun())
        return false;
    if (!usesEventProcessor)
        inputReader->capture();

    const bool allBuffered = bufferedKeys && bufferedMouse;
    if (!allBuffered) {
        if (toggleWait >= 0)
            toggleWait -= evt.timeSinceLastFrame;
        controls.beginFrame(evt.timeSinceLastFrame);
        if (!bufferedKeys && !handleKeys(evt))
            return false;
    }
    if (!bufferedMouse)
        handleMouse();
    if (!allBuffered)
        controls.endFrame();
    return true;
}

bool BaseFrameListener::frameEnded(const Ogre::FrameEvent&)
{
    updateStatistics();
    return true;
}

void BaseFrameListener::bufferKeys(bool buffered)
{
    bufferedKeys = buffered;
    if (inputReader)
        inputReader->setBufferedInput(bufferedKeys, bufferedMouse);
}

bool BaseFrameListener::handleKeys(const Ogre::FrameEvent&)
{
    using namespace input;
    // With Ctrl held a letter is a shortcut, not a toggle.
    const bool chord = inputReader->modifiers() & CTRL_MASK;
    const auto letter = [&](KeyCode key) { return !chord && inputReader->isKeyDown(key); };
    if (cameraTakesKeys())
        controls.steer(*inputReader);
    if (inputReader->isKeyDown(KC_ESCAPE) && escapeEndsRun())
        return false;

    if (letter(KC_F) && toggleWait <= 0) {
        statisticsVisible = false;
        if (debugOverlay)
            debugOverlay->hide();
        toggleWait = 1;
    }
    if (letter(KC_T) && toggleWait <= 0) {
        nextTextureFiltering();
        toggleWait = 1;
    }
    if (inputReader->isKeyDown(KC_SYSRQ) && toggleWait <= 0) {
        writeScreenshot();
        toggleWait = 0.5f;
    }
    if (letter(KC_R) && toggleWait <= 0) {
        nextPolygonMode();
        toggleWait = 0.5f;
    }
    if (letter(KC_P) && toggleWait <= 0) {
        toggleCameraDetails();
        toggleWait = 0.5f;
    }
    if (cameraDetailsShown) {
        debugText = "P: " + Ogre::StringConverter::toString(firstCamera->getDerivedPosition()) + " " +
                    "O: " + Ogre::StringConverter::toString(firstCamera->getDerivedOrientation());
    }
    return true;
}

void BaseFrameListener::nextTextureFiltering()
{
    switch (filtering) {
    case Ogre::TFO_BILINEAR:
        filtering = Ogre::TFO_TRILINEAR;
        anisotropyLevel = 1;
        break;
    case Ogre::TFO_TRILINEAR:
        filtering = Ogre::TFO_ANISOTROPIC;
        anisotropyLevel = 8;
        break;
    case Ogre::TFO_ANISOTROPIC:
        filtering = Ogre::TFO_BILINEAR;
        anisotropyLevel = 1;
        break;
    default:
        break;
    }
    Ogre::MaterialManager::getSingleton().setDefaultTextureFiltering(filtering);
    Ogre::MaterialManager::getSingleton().setDefaultAnisotropy(anisotropyLevel);
    showStatistics(statisticsVisible);
}

void BaseFrameListener::writeScreenshot()
{
    ++screenshotCount;
    char fileName[64];
    std::snprintf(fileName, sizeof fileName, "screenshot_%u.png", screenshotCount);
    const std::string& directory = writePlaces().screenshotDirectory;
    const std::string path = directory.empty() ? std::string(fileName) : directory + "/" + fileName;
    // A picture that cannot be written is reported; it must not end the editing session.
    try {
        writeWindowContents(path);
        debugText = "Wrote " + path;
    } catch (const Ogre::Exception& e) {
        debugText = path + " yazilamadi: " + e.getDescription();
    }
}

void BaseFrameListener::writeWindowContents(const std::string& fileName)
{
    if (!window)
        OGRE_EXCEPT(Ogre::Exception::ERR_INVALID_STATE, "There is no window to take a picture of",
                    "BaseFrameListener::writeWindowContents");
    window->writeContentsToFile(fileName);
}

void BaseFrameListener::nextPolygonMode()
{
    detailLevelIndex = (detailLevelIndex + 1) % 3;
    firstCamera->setPolygonMode(polygonModeFor(detailLevelIndex));
    secondCamera->setPolygonMode(polygonModeFor(detailLevelIndex));
}

void BaseFrameListener::toggleCameraDetails()
{
    cameraDetailsShown = !cameraDetailsShown;
    if (!cameraDetailsShown)
        debugText.clear();
}

void BaseFrameListener::handleMouse()
{
    // The reader reports motion relative to the window size.
    const double width = window ? window->getWidth() : 1.0;
    const double height = window ? window->getHeight() : 1.0;
    controls.look(inputReader->getMouseRelativeX() * width, inputReader->getMouseRelativeY() * height,
                  inputReader->getMouseButton(1));
}

void BaseFrameListener::showStatistics(bool show)
{
    statisticsVisible = show;
    if (!debugOverlay)
        return;
    if (show)
        debugOverlay->show();
    else
        debugOverlay->hide();
}

void BaseFrameListener::updateStatistics()
{
    static const Ogre::String currFps = "Current FPS: ";
    static const Ogre::String avgFps = "Average FPS: ";
    static const Ogre::String bestFps = "Best FPS: ";
    static const Ogre::String worstFps = "Worst FPS: ";
    static const Ogre::String tris = "Triangle Count: ";

    auto* overlays = Ogre::OverlayManager::getSingletonPtr();
    if (!overlays || !window)
        return;
    try {
        Ogre::OverlayElement* guiAvg = overlays->getOverlayElement("Core/AverageFps");
        Ogre::OverlayElement* guiCurr = overlays->getOverlayElement("Core/CurrFps");
        Ogre::OverlayElement* guiBest = overlays->getOverlayElement("Core/BestFps");
        Ogre::OverlayElement* guiWorst = overlays->getOverlayElement("Core/WorstFps");
        const Ogre::RenderTarget::FrameStats& stats = window->getStatistics();
        using Ogre::StringConverter;
        guiAvg->setCaption(avgFps + StringConverter::toString(stats.avgFPS));
        guiCurr->setCaption(currFps + StringConverter::toString(stats.lastFPS));
        guiBest->setCaption(bestFps + StringConverter::toString(stats.bestFPS) + " " +
                            StringConverter::toString(static_cast<unsigned int>(stats.bestFrameTime)) + " ms");
        guiWorst->setCaption(worstFps + StringConverter::toString(stats.worstFPS) + " " +
                             StringConverter::toString(static_cast<unsigned int>(stats.worstFrameTime)) + " ms");
        overlays->getOverlayElement("Core/NumTris")
            ->setCaption(tris + StringConverter::toString(static_cast<unsigned int>(stats.triangleCount)));
        overlays->getOverlayElement("Core/DebugText")->setCaption(debugText);
    } catch (const Ogre::Exception&) {
        // A missing element leaves the captions set so far.
    }
}

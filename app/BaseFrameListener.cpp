#include "app/BaseFrameListener.h"

#include "app/UserPaths.h"

#include <Ogre.h>
#include <OgreOverlay.h>
#include <OgreOverlayElement.h>
#include <OgreOverlayManager.h>

#include <cstdio>

bool BaseFrameListener::showCameraDetails = false;

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
    : camera(camera), secondCamera(secondCamera), window(window),
      bufferedKeys(bufferedKeys), bufferedMouse(bufferedMouse),
      usesEventProcessor(bufferedKeys || bufferedMouse)
{
    debugOverlay = findDebugOverlay();
    rotateSpeed = 36;
    moveSpeed = 100;
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
        if (toggleDelay >= 0)
            toggleDelay -= evt.timeSinceLastFrame;
        if (evt.timeSinceLastFrame == 0) {
            moveScale = 1;
            rotateScale = 0.1f;
        } else {
            moveScale = moveSpeed * evt.timeSinceLastFrame;
            rotateScale = rotateSpeed * evt.timeSinceLastFrame;
        }
        yawAngle = 0;
        pitchAngle = 0;
        translation = Ogre::Vector3::ZERO;
        if (!bufferedKeys && !handleKeys(evt))
            return false;
    }
    if (!bufferedMouse && !handleMouse(evt))
        return false;
    if (!allBuffered)
        moveCamera();
    return true;
}

bool BaseFrameListener::frameEnded(const Ogre::FrameEvent&)
{
    updateStatistics();
    return true;
}

void BaseFrameListener::moveCamera()
{
    camera->yaw(yawAngle);
    camera->pitch(pitchAngle);
    camera->moveRelative(translation);
}

bool BaseFrameListener::handleKeys(const Ogre::FrameEvent&)
{
    using namespace input;
    // With Ctrl held a letter is a shortcut, not a camera key.
    const bool chord = inputReader->modifiers() & CTRL_MASK;
    const auto letter = [&](KeyCode key) { return !chord && inputReader->isKeyDown(key); };
    if (freeCamera) {
        if (letter(KC_A))
            translation.x = -moveScale;
        if (letter(KC_D))
            translation.x = moveScale;
        if (inputReader->isKeyDown(KC_UP) || letter(KC_W))
            translation.z = -moveScale;
        if (inputReader->isKeyDown(KC_DOWN) || letter(KC_S))
            translation.z = moveScale;
        if (inputReader->isKeyDown(KC_PGUP))
            translation.y = moveScale;
        if (inputReader->isKeyDown(KC_PGDOWN))
            translation.y = -moveScale;
        if (inputReader->isKeyDown(KC_RIGHT))
            camera->yaw(Ogre::Degree(-rotateScale));
        if (inputReader->isKeyDown(KC_LEFT))
            camera->yaw(Ogre::Degree(rotateScale));
    }
    if (inputReader->isKeyDown(KC_ESCAPE) && escapeEndsRun())
        return false;

    if (letter(KC_F) && toggleDelay <= 0) {
        statisticsVisible = false;
        if (debugOverlay)
            debugOverlay->hide();
        toggleDelay = 1;
    }
    if (letter(KC_T) && toggleDelay <= 0) {
        nextTextureFiltering();
        toggleDelay = 1;
    }
    if (inputReader->isKeyDown(KC_SYSRQ) && toggleDelay <= 0) {
        writeScreenshot();
        toggleDelay = 0.5f;
    }
    if (letter(KC_R) && toggleDelay <= 0) {
        nextPolygonMode();
        toggleDelay = 0.5f;
    }
    if (letter(KC_P) && toggleDelay <= 0) {
        toggleCameraDetails();
        toggleDelay = 0.5f;
    }
    if (showCameraDetails) {
        debugText = "P: " + Ogre::StringConverter::toString(camera->getDerivedPosition()) + " " +
                    "O: " + Ogre::StringConverter::toString(camera->getDerivedOrientation());
    }
    return true;
}

void BaseFrameListener::nextTextureFiltering()
{
    switch (textureFiltering) {
    case Ogre::TFO_BILINEAR:
        textureFiltering = Ogre::TFO_TRILINEAR;
        anisotropy = 1;
        break;
    case Ogre::TFO_TRILINEAR:
        textureFiltering = Ogre::TFO_ANISOTROPIC;
        anisotropy = 8;
        break;
    case Ogre::TFO_ANISOTROPIC:
        textureFiltering = Ogre::TFO_BILINEAR;
        anisotropy = 1;
        break;
    default:
        break;
    }
    Ogre::MaterialManager::getSingleton().setDefaultTextureFiltering(textureFiltering);
    Ogre::MaterialManager::getSingleton().setDefaultAnisotropy(anisotropy);
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
    camera->setPolygonMode(polygonModeFor(detailLevelIndex));
    secondCamera->setPolygonMode(polygonModeFor(detailLevelIndex));
}

void BaseFrameListener::toggleCameraDetails()
{
    showCameraDetails = !showCameraDetails;
    if (!showCameraDetails)
        debugText.clear();
}

bool BaseFrameListener::handleMouse(const Ogre::FrameEvent&)
{
    // The reader reports motion relative to the window size; the factor is per pixel.
    const double width = window ? window->getWidth() : 1.0;
    const double height = window ? window->getHeight() : 1.0;
    const double relX = inputReader->getMouseRelativeX() * width;
    const double relY = inputReader->getMouseRelativeY() * height;
    if (inputReader->getMouseButton(1)) {
        translation.x += static_cast<float>(relX * 0.13);
        translation.y -= static_cast<float>(relY * 0.13);
    } else {
        yawAngle = Ogre::Degree(static_cast<float>(-relX * 0.13));
        pitchAngle = Ogre::Degree(static_cast<float>(-relY * 0.13));
    }
    return true;
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

#pragma once

#include "app/CameraControls.h"
#include "platform/input/EventProcessor.h"
#include "platform/input/InputReader.h"

#include <OgreFrameListener.h>
#include <OgreTextureUnitState.h>

#include <string>

namespace Ogre {
class Camera;
class Overlay;
class RenderWindow;
}

// Per-frame listener: the camera's keys and mouse look, the toggle keys (F the
// statistics, T texture filtering, R polygon mode, P the camera read-out,
// Print a screenshot), Escape, and the statistics overlay.
class BaseFrameListener : public Ogre::FrameListener, public input::KeyListener {
public:
    BaseFrameListener(Ogre::RenderWindow* window, Ogre::Camera* camera, Ogre::Camera* secondCamera,
                      bool bufferedKeys, bool bufferedMouse);
    ~BaseFrameListener() override;

    bool frameStarted(const Ogre::FrameEvent& evt) override;
    bool frameEnded(const Ogre::FrameEvent& evt) override;

    void showStatistics(bool show);
    bool statisticsShown() const { return statisticsVisible; }
    Ogre::TextureFilterOptions textureFiltering() const { return filtering; }
    int anisotropy() const { return anisotropyLevel; }
    // Seconds until a toggle key acts again.
    float toggleDelay() const { return toggleWait; }
    // The render window's debug text: shown in the statistics overlay.
    const std::string& getDebugText() const { return debugText; }

    // Hands the events that came in to the listeners (with buffered input only).
    void processEvents() { eventProcessor->processEvents(); }
    const input::InputReader& input() const { return *inputReader; }
    // Whether the keys come as events for the widgets, rather than being polled.
    bool keysBuffered() const { return bufferedKeys; }

protected:
    // The polled keys of a frame; false ends the run.
    virtual bool handleKeys(const Ogre::FrameEvent& evt);
    void handleMouse();
    void updateStatistics();
    // The keys go to the widgets as events (true) or are polled (false).
    void bufferKeys(bool buffered);
    // Whether the polled keys move the camera now (something else may walk it).
    virtual bool cameraTakesKeys() const { return true; }
    // Whether a polled Escape ends the run at once.
    virtual bool escapeEndsRun() { return true; }
    // Whether closing the window ends the run at once.
    virtual bool closeEndsRun() { return true; }
    // Writes the window's picture; throws the engine's exception when it cannot.
    virtual void writeWindowContents(const std::string& fileName);

    input::EventProcessor& events() { return *eventProcessor; }
    input::InputReader& reader() { return *inputReader; }
    Ogre::Camera& camera() { return *firstCamera; }
    Ogre::RenderWindow* renderWindow() const { return window; }
    Ogre::Overlay* statisticsOverlay() const { return debugOverlay; }
    CameraControls& cameraControls() { return controls; }

private:
    void nextTextureFiltering();
    void writeScreenshot();
    void nextPolygonMode();
    void toggleCameraDetails();
    bool renderWindowClosed() const;

    Ogre::RenderWindow* window;
    Ogre::Camera* firstCamera;
    Ogre::Camera* secondCamera;
    CameraControls controls;
    Ogre::Overlay* debugOverlay = nullptr;
    input::EventProcessor* eventProcessor = nullptr;
    input::InputReader* inputReader = nullptr;
    bool bufferedKeys;
    bool bufferedMouse;
    bool usesEventProcessor;
    bool statisticsVisible = true;
    // Whether the camera read-out is written every frame.
    bool cameraDetailsShown = false;
    int detailLevelIndex = 0;
    unsigned int screenshotCount = 0;
    float toggleWait = 0;
    Ogre::TextureFilterOptions filtering = Ogre::TFO_BILINEAR;
    int anisotropyLevel = 1;
    std::string debugText;
};

#pragma once

#include "platform/input/EventProcessor.h"
#include "platform/input/InputReader.h"

#include <OgreFrameListener.h>
#include <OgreMath.h>
#include <OgreTextureUnitState.h>
#include <OgreVector.h>

#include <string>

namespace Ogre {
class Camera;
class Overlay;
class RenderWindow;
}

// Per-frame listener: camera keys, toggles, screenshots and the statistics overlay.
class BaseFrameListener : public Ogre::FrameListener, public input::KeyListener {
public:
    BaseFrameListener(Ogre::RenderWindow* window, Ogre::Camera* camera, Ogre::Camera* secondCamera,
                      bool bufferedKeys, bool bufferedMouse);
    ~BaseFrameListener() override;

    bool frameStarted(const Ogre::FrameEvent& evt) override;
    bool frameEnded(const Ogre::FrameEvent& evt) override;
    virtual bool handleKeys(const Ogre::FrameEvent& evt);

    bool handleMouse(const Ogre::FrameEvent& evt);
    void moveCamera();
    void showStatistics(bool show);
    void updateStatistics();

    // The render window's debug text: shown in the statistics overlay.
    const std::string& getDebugText() const { return debugText; }
    void setDebugText(const std::string& text) { debugText = text; }

    int detailLevelIndex = 0;
    float moveSpeed = 100;
    float rotateSpeed = 36;
    Ogre::Overlay* debugOverlay = nullptr;
    input::EventProcessor* eventProcessor = nullptr;
    input::InputReader* inputReader = nullptr;
    Ogre::Camera* camera;
    Ogre::Camera* secondCamera;
    Ogre::Vector3 translation = Ogre::Vector3::ZERO;
    Ogre::RenderWindow* window;
    bool statisticsVisible = true;
    // Whether the polled keys move and turn the camera (something else may walk it).
    bool freeCamera = true;
    bool bufferedKeys;
    bool bufferedMouse;
    bool usesEventProcessor;
    unsigned int screenshotCount = 0;
    float moveScale = 0;
    float rotateScale = 0;
    float toggleDelay = 0;
    Ogre::Radian yawAngle{0};
    Ogre::Radian pitchAngle{0};
    Ogre::TextureFilterOptions textureFiltering = Ogre::TFO_BILINEAR;
    int anisotropy = 1;

    // Whether the camera read-out is written every frame (shared by all listeners).
    static bool showCameraDetails;

protected:
    // Whether a polled Escape ends the run at once.
    virtual bool escapeEndsRun() { return true; }
    // Whether closing the window ends the run at once.
    virtual bool closeEndsRun() { return true; }
    // Writes the window's picture; throws the engine's exception when it cannot.
    virtual void writeWindowContents(const std::string& fileName);

private:
    void nextTextureFiltering();
    void writeScreenshot();
    void nextPolygonMode();
    void toggleCameraDetails();
    bool renderWindowClosed() const;

    std::string debugText;
};

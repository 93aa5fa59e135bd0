#pragma once

#include <OgreFrameListener.h>

// Tells the widget system how much time has passed, once a frame (tooltips,
// double clicks, caret blinking and fades depend on it).
class GuiClock : public Ogre::FrameListener {
public:
    bool frameStarted(const Ogre::FrameEvent& evt) override;
};

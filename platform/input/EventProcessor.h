#pragma once

#include "platform/input/InputReader.h"

#include <OgreFrameListener.h>

#include <memory>
#include <vector>

namespace Ogre { class RenderWindow; }

namespace input {

// Captures the input once a frame and delivers the buffered key and mouse
// events to its listeners.
class EventProcessor : public Ogre::FrameListener {
public:
    EventProcessor();
    ~EventProcessor() override;

    void initialise(Ogre::RenderWindow* window);
    // Starts capturing every frame; with registerListener the processor adds itself
    // to the engine's frame listeners.
    void startProcessingEvents(bool registerListener = true);
    void stopProcessingEvents();

    void addKeyListener(KeyListener* listener) { keyListeners.push_back(listener); }
    void addMouseListener(MouseListener* listener) { mouseListeners.push_back(listener); }
    void addMouseMotionListener(MouseMotionListener* listener) { motionListeners.push_back(listener); }

    InputReader* getInputReader() { return reader.get(); }

    // Capture and dispatch now.
    void processEvents();

    bool frameStarted(const Ogre::FrameEvent&) override;

private:
    void dispatch(const InputReader::Buffered& event);

    std::unique_ptr<InputReader> reader;
    std::vector<KeyListener*> keyListeners;
    std::vector<MouseListener*> mouseListeners;
    std::vector<MouseMotionListener*> motionListeners;
    bool registered = false;
};

}  // namespace input

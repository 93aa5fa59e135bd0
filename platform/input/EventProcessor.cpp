#include "platform/input/EventProcessor.h"

#include <OgreRoot.h>

namespace input {

EventProcessor::EventProcessor() = default;

EventProcessor::~EventProcessor() { stopProcessingEvents(); }

void EventProcessor::initialise(Ogre::RenderWindow*)
{
    reader = std::make_unique<InputReader>(InputSource::active());
    reader->setKeyEventsAlways(true);
}

void EventProcessor::startProcessingEvents(bool registerListener)
{
    if (!reader)
        initialise(nullptr);
    // Keys stay polled until a listener asks for them; the mouse comes as events.
    reader->setBufferedInput(reader->bufferedKeys(), true);
    if (registerListener && !registered && Ogre::Root::getSingletonPtr()) {
        Ogre::Root::getSingleton().addFrameListener(this);
        registered = true;
    }
}

void EventProcessor::stopProcessingEvents()
{
    if (registered && Ogre::Root::getSingletonPtr())
        Ogre::Root::getSingleton().removeFrameListener(this);
    registered = false;
}

bool EventProcessor::frameStarted(const Ogre::FrameEvent&)
{
    processEvents();
    return true;
}

void EventProcessor::processEvents()
{
    reader->capture();
    for (const InputReader::Buffered& event : reader->takeEvents())
        dispatch(event);
}

void EventProcessor::dispatch(const InputReader::Buffered& e)
{
    using B = InputReader::Buffered;
    if (e.type == B::KeyPressed || e.type == B::KeyReleased) {
        KeyEvent key(e.key, e.keyChar, e.modifiers);
        for (KeyListener* listener : keyListeners) {
            if (key.isConsumed())
                break;
            if (e.type == B::KeyPressed)
                listener->keyPressed(&key);
            else
                listener->keyReleased(&key);
        }
        return;
    }
    MouseEvent mouse(this, 0, e.buttonId, 0, e.modifiers, e.x, e.y, 0, e.clickCount, e.relX, e.relY);
    if (e.type == B::MouseMoved) {
        for (MouseMotionListener* listener : motionListeners) {
            if (mouse.isConsumed())
                break;
            if (e.buttonId != 0)
                listener->mouseDragged(&mouse);
            else
                listener->mouseMoved(&mouse);
        }
        return;
    }
    for (MouseListener* listener : mouseListeners) {
        if (mouse.isConsumed())
            break;
        if (e.type == B::MousePressed)
            listener->mousePressed(&mouse);
        else
            listener->mouseReleased(&mouse);
    }
}

}  // namespace input

#pragma once

#include "platform/input/InputEvents.h"
#include "platform/input/InputSource.h"

#include <bitset>
#include <vector>

namespace input {

// Polled keyboard and mouse state, and, for the kinds of input switched to
// buffered mode, the queue of events for the event processor.
class InputReader {
public:
    explicit InputReader(InputSource* source);

    // Reads what the source has; updates the polled state and the event queue.
    void capture();

    bool isKeyDown(KeyCode key) const;
    // Mouse motion of the last capture, relative to the window size.
    float getMouseRelativeX() const { return relX; }
    float getMouseRelativeY() const { return relY; }
    // Button 0 left, 1 right, 2 middle, 3 extra.
    bool getMouseButton(int index) const;
    float getMouseX() const { return mouseX; }
    float getMouseY() const { return mouseY; }

    void setBufferedInput(bool keys, bool mouse);
    // Key events are queued whatever the key mode, for listeners that act on
    // single presses (Delete, Escape) while the keys also drive the camera.
    void setKeyEventsAlways(bool on) { keyEventsAlways = on; }
    bool bufferedKeys() const { return keysBuffered; }
    bool bufferedMouse() const { return mouseBuffered; }

    bool windowClosed() const { return closed; }
    // The close was answered (the editor asked first and stays): forget it.
    void clearWindowClosed() { closed = false; }
    // KeyModifierMask bits of the modifier keys held now.
    int modifiers() const;

    struct Buffered {
        enum Type { KeyPressed, KeyReleased, MouseMoved, MousePressed, MouseReleased };
        Type type;
        KeyCode key;
        unsigned int keyChar;
        float x, y, relX, relY;
        int buttonId;   // the pressed or released button; for motion, the buttons held
        int clickCount;
        int modifiers = 0;  // keys and buttons: the KeyModifierMask bits held
    };
    // Hands over the events queued since the last call.
    std::vector<Buffered> takeEvents();

private:
    void handle(const RawEvent& raw);

    InputSource* source;
    std::vector<RawEvent> pending;
    std::vector<Buffered> queue;
    std::bitset<256> keys;
    // Keys pressed during the last capture: a tap shorter than a frame still counts.
    std::bitset<256> tapped;
    int buttons = 0;
    float mouseX = 0.5f, mouseY = 0.5f;
    float relX = 0, relY = 0;
    bool keysBuffered = false;
    bool mouseBuffered = false;
    bool keyEventsAlways = false;
    bool closed = false;
};

// The reader of an unbuffered frame listener, and its release.
InputReader* createInputReader();
void destroyInputReader(InputReader* reader);

}  // namespace input

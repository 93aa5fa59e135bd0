#pragma once

#include "platform/input/KeyCodes.h"

namespace input {

// Button bits of a mouse event's button id.
enum MouseButtonMask {
    BUTTON0_MASK = 0x10,  // left
    BUTTON1_MASK = 0x20,  // right
    BUTTON2_MASK = 0x40,  // middle
    BUTTON3_MASK = 0x80   // first extra button
};

class InputEvent {
public:
    virtual ~InputEvent() = default;
    void consume() { consumed = true; }
    bool isConsumed() const { return consumed; }

private:
    bool consumed = false;
};

// The modifier keys held when a key went down.
enum KeyModifierMask { SHIFT_MASK = 1, CTRL_MASK = 2, ALT_MASK = 4 };

class KeyEvent : public InputEvent {
public:
    KeyEvent(KeyCode key, unsigned int keyChar, int modifiers = 0)
        : key(key), keyChar(keyChar), modifiers(modifiers) {}
    KeyCode getKey() const { return key; }
    // The character the key typed as a Unicode code point, 0 when it types none.
    unsigned int getKeyChar() const { return keyChar; }
    // KeyModifierMask bits.
    int getModifiers() const { return modifiers; }
    bool isCtrlDown() const { return modifiers & CTRL_MASK; }
    bool isShiftDown() const { return modifiers & SHIFT_MASK; }

private:
    KeyCode key;
    unsigned int keyChar;
    int modifiers;
};

// Positions are relative to the window: 0..1 across and down.
class MouseEvent : public InputEvent {
public:
    MouseEvent(void* source, int id, int buttonId, float time, int modifiers,
               float x, float y, float z, int clickCount,
               float relX = 0, float relY = 0)
        : source(source), id(id), buttonId(buttonId), time(time), modifiers(modifiers),
          x(x), y(y), z(z), relX(relX), relY(relY), clickCount(clickCount) {}

    void* getSource() const { return source; }
    int getId() const { return id; }
    int getButtonID() const { return buttonId; }
    float getTime() const { return time; }
    int getModifiers() const { return modifiers; }
    float getX() const { return x; }
    float getY() const { return y; }
    float getZ() const { return z; }
    float getRelX() const { return relX; }
    float getRelY() const { return relY; }
    int getClickCount() const { return clickCount; }

private:
    void* source;
    int id;
    int buttonId;
    float time;
    int modifiers;
    float x, y, z;
    float relX, relY;
    int clickCount;
};

class KeyListener {
public:
    virtual ~KeyListener() = default;
    virtual void keyClicked(KeyEvent*) {}
    virtual void keyPressed(KeyEvent*) {}
    virtual void keyReleased(KeyEvent*) {}
    virtual void keyFocusIn(KeyEvent*) {}
    virtual void keyFocusOut(KeyEvent*) {}
};

class MouseListener {
public:
    virtual ~MouseListener() = default;
    virtual void mouseClicked(MouseEvent*) {}
    virtual void mouseEntered(MouseEvent*) {}
    virtual void mouseExited(MouseEvent*) {}
    virtual void mousePressed(MouseEvent*) {}
    virtual void mouseReleased(MouseEvent*) {}
    virtual void mouseDragEntered(MouseEvent*) {}
    virtual void mouseDragExited(MouseEvent*) {}
    virtual void mouseDragDropped(MouseEvent*) {}
    // The wheel turned by getZ() notches, positive away from the user.
    virtual void mouseWheeled(MouseEvent*) {}
};

class MouseMotionListener {
public:
    virtual ~MouseMotionListener() = default;
    virtual void mouseMoved(MouseEvent*) {}
    virtual void mouseDragged(MouseEvent*) {}
    virtual void mouseDragMoved(MouseEvent*) {}
};

}  // namespace input

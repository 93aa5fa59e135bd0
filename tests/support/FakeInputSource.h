#pragma once

#include "platform/input/InputSource.h"

#include <vector>

// Input scripted by a test: what is queued comes out at the next capture.
class FakeInputSource : public input::InputSource {
public:
    FakeInputSource() { input::InputSource::setActive(this); }
    ~FakeInputSource() override { input::InputSource::setActive(nullptr); }

    void poll(std::vector<input::RawEvent>& out) override
    {
        out.insert(out.end(), queued.begin(), queued.end());
        queued.clear();
    }

    void keyDown(input::KeyCode key) { queued.push_back(raw(input::RawEvent::KeyDown, key)); }
    void keyUp(input::KeyCode key) { queued.push_back(raw(input::RawEvent::KeyUp, key)); }
    void text(unsigned int codePoint)
    {
        input::RawEvent e = raw(input::RawEvent::Text);
        e.codePoint = codePoint;
        queued.push_back(e);
    }
    void moveTo(float x, float y)
    {
        input::RawEvent e = raw(input::RawEvent::MouseMove);
        e.x = x;
        e.y = y;
        queued.push_back(e);
    }
    void button(int mask, bool down)
    {
        input::RawEvent e = raw(down ? input::RawEvent::ButtonDown : input::RawEvent::ButtonUp);
        e.buttonMask = mask;
        queued.push_back(e);
    }
    void wheel(int notches)
    {
        input::RawEvent e = raw(input::RawEvent::Wheel);
        e.notches = notches;
        queued.push_back(e);
    }
    void closeWindow() { queued.push_back(raw(input::RawEvent::WindowClosed)); }

private:
    static input::RawEvent raw(input::RawEvent::Type type, input::KeyCode key = input::KC_UNASSIGNED)
    {
        input::RawEvent e{type};
        e.key = key;
        return e;
    }

    std::vector<input::RawEvent> queued;
};

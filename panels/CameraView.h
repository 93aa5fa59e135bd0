#pragma once

#include "scene/ScenePicker.h"

#include <CEGUI/Vector.h>

#include <functional>

class EditingTools;

// The camera view "windowFrame": clicks into its picture go to the editing
// tools in view coordinates (0..1 across and down the picture), Shift+click
// adds to the selection or takes out of it, a Ctrl+drag draws a rubber band
// ("secimCercevesi") that selects what it surrounds; the widget cursor over it
// moves the cursor object.
class CameraView {
public:
    explicit CameraView(EditingTools& tools) : tools(tools) {}
    void wire();
    // How the view learns which modifier keys (input::KeyModifierMask bits) went
    // with the last mouse button, and whether the left button is held.
    void setPointer(std::function<int()> buttonModifiers, std::function<bool()> leftButtonHeld)
    {
        modifiers = std::move(buttonModifiers);
        leftHeld = std::move(leftButtonHeld);
    }

    // A press at a screen position (pixels): a right press cancels, any other picks.
    void press(const CEGUI::Vector2f& screenPosition, bool right);
    // Once a frame: the cursor object follows the widget cursor.
    void hover();
    // Where a paste lands: the view point under the mouse, or where the mouse
    // last was over the view when it is elsewhere (on a menu).
    ViewPoint pastePoint() const;
    // A locked view passes nothing to the tools (a test run walks in it).
    void setLocked(bool locked) { isLocked = locked; }
    bool locked() const { return isLocked; }

private:
    bool beginBand(const CEGUI::Vector2f& screenPosition);
    bool endBand(const CEGUI::Vector2f& screenPosition);
    // The band's window follows the tools' band, or hides without one.
    void drawBand();

    EditingTools& tools;
    std::function<int()> modifiers;
    std::function<bool()> leftHeld;
    bool isLocked = false;
    // A band just ended: the click that the same release may make is not a press.
    bool bandEnded = false;
    ViewPoint lastPointed{0.5f, 0.5f};
};

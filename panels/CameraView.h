#pragma once

#include "scene/ScenePicker.h"

#include <CEGUI/Vector.h>

#include <functional>

class EditingTools;
class EditorMode;

// The camera view "windowFrame": clicks into its picture go to the editing
// tools in view coordinates (0..1 across and down the picture), Shift+click
// adds to the selection or takes out of it, a Ctrl+drag draws a rubber band
// ("secimCercevesi") that selects what it surrounds; the widget cursor over it
// moves the cursor object. Until there is a scenario it shows what to do first
// ("baslamaIpucu"). It passes nothing to the tools while the mode says so (a
// test run walks in it).
class CameraView {
public:
    CameraView(EditingTools& tools, EditorMode& mode) : tools(tools), mode(mode) {}
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
    // Once a frame: the picture is drawn anew and the cursor object follows the widget cursor.
    void frame();
    // Where a paste lands: the view point under the mouse, or where the mouse
    // last was over the view when it is elsewhere (on a menu).
    ViewPoint pastePoint() const;
    // The view takes the window's whole width (the toolbox hidden, a test run)
    // or leaves the toolbox its place.
    void setFullWidth(bool full);

private:
    bool takesClicks() const;
    void hover();
    bool beginBand(const CEGUI::Vector2f& screenPosition);
    bool endBand(const CEGUI::Vector2f& screenPosition);
    // The band's window follows the tools' band, or hides without one.
    void drawBand();

    EditingTools& tools;
    EditorMode& mode;
    std::function<int()> modifiers;
    std::function<bool()> leftHeld;
    // A band just ended: the click that the same release may make is not a press.
    bool bandEnded = false;
    ViewPoint lastPointed{0.5f, 0.5f};
};

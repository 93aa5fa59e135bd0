#pragma once

#include <CEGUI/Vector.h>

class EditingTools;

// The camera view "windowFrame": clicks into its picture go to the editing
// tools in view coordinates (0..1 across and down the picture); the widget
// cursor over it moves the cursor object.
class CameraView {
public:
    explicit CameraView(EditingTools& tools) : tools(tools) {}
    void wire();

    // A press at a screen position (pixels): a right press cancels, any other picks.
    void press(const CEGUI::Vector2f& screenPosition, bool right);
    // Once a frame: the cursor object follows the widget cursor.
    void hover();
    // A locked view passes nothing to the tools (a test run walks in it).
    void setLocked(bool locked) { isLocked = locked; }
    bool locked() const { return isLocked; }

private:
    EditingTools& tools;
    bool isLocked = false;
};

#pragma once

#include "panels/KeyChord.h"

#include <CEGUI/UDim.h>

#include <vector>

class CameraView;
class EditorMode;

// The menu bar's popups with the items' keys, the about window with the
// program's version, the toolbox with its tab strip and its arrows. The toolbox
// shows unless Gorunum > Arac Kutusu hid it or a test run is on; the camera
// view takes the room it leaves.
class MenuBar {
public:
    MenuBar(CameraView& view, EditorMode& mode) : view(view), mode(mode) {}
    // Closes the popups, lays the tool tabs out (the first on view, the others
    // parked to its right) and connects the menu buttons, the toolbox item and the arrows.
    void wire();
    // A menu item and the key that does what it does.
    struct ItemKey {
        const char* item;
        KeyChord chord;
    };
    // Writes each item's key at the right of its text.
    void showKeys(const std::vector<ItemKey>& keys) const;
    // One frame of a tab strip slide.
    void animate();

    int currentToolTab() const { return currentTab; }
    bool toolboxHidden() const { return hidden; }

private:
    void toggleToolbox();
    void showToolbox();
    // Starts a slide of the tab strip by one tab; the arrows stay hidden until it ends.
    void scrollToolTabs(int direction);
    void showArrowButtons(bool shown) const;

    CameraView& view;
    EditorMode& mode;
    int currentTab = 1;
    bool slideLeft = false;
    bool slideRight = false;
    int slideStep = 0;
    bool hidden = false;
    bool testRunOn = false;
    CEGUI::UDim homeX{0, 0};
};

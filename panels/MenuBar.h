#pragma once

class CameraView;

// The menu bar's popups, the toolbox with its tab strip and its arrows.
class MenuBar {
public:
    explicit MenuBar(CameraView& view) : view(view) {}
    // Closes the popups, lays the tool tabs out (the first on view, the others
    // parked to its right) and connects the menu buttons, the toolbox item and the arrows.
    void wire();
    // One frame of a tab strip slide.
    void animate();

    int currentToolTab() const { return currentTab; }
    bool toolboxHidden() const { return hidden; }

private:
    void toggleToolbox();
    // Starts a slide of the tab strip by one tab; the arrows stay hidden until it ends.
    void scrollToolTabs(int direction);
    void showArrowButtons(bool shown) const;

    CameraView& view;
    int currentTab = 1;
    bool slideLeft = false;
    bool slideRight = false;
    int slideStep = 0;
    bool hidden = false;
    float homeX = 0;
};

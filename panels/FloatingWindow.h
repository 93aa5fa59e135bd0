#pragma once

#include <functional>

// A window over the editor that a menu item opens or a key shows and hides
// (the overview windows): hidden at start, kept on screen when it is dragged;
// a click on the menu item closes the menus before it acts.
void wireFloatingWindow(const char* window, const char* menuItem, std::function<void()> onMenuItem,
                        std::function<void()> onClose);
// Shows the window in front of the others.
void bringUp(const char* window);

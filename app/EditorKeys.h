#pragma once

#include "panels/KeyListWindow.h"
#include "panels/MenuBar.h"

#include <vector>

class Shortcuts;

// Every key and mouse action of the editor as the key list shows it, in the
// chosen language: the camera's, the display's, the tools', the windows' and
// the menus' chords.
std::vector<KeyListWindow::Row> editorKeyRows(const Shortcuts& shortcuts);
// The menu items that a key also chooses, and the key.
std::vector<MenuBar::ItemKey> menuItemKeys(const Shortcuts& shortcuts);

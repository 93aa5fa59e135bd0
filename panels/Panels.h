#pragma once

// Locking of the panels: the menu popups, the editing panels, the whole editor
// while a dialog has the input.
void closeMenuPopups();
void disableEditingPanels();
void disableEditor();
void enableEditor();

#pragma once

// Locking of the panels: the menu popups, the editing panels, the whole editor
// while a dialog has the input.
void closeMenuPopups();
void disableEditingPanels();
void disableEditor();
void enableEditor();
// The editing panels are unlocked (after New or Open) and the editor takes clicks.
bool editingPanelsEnabled();

#pragma once

#include "editor/EditorSession.h"

class BaseFrameListener;

// Panel helpers shared by the menu bar, the document commands, the message
// editor and scene editing.
void closeMenuPopups();
void disableEditingPanels();
void disableEditor();
void enableEditor();
// Switches the keys between the camera (polled) and the widgets (buffered).
void toggleKeyboardBuffering(BaseFrameListener& listener);
// Moves the tab with this index right by step x 0.01 of its parent's width.
void moveToolTab(int step, int tabIndex);
// The per-frame slide of the properties tab and the tool tab strip.
void animatePanels(EditorSession& session);

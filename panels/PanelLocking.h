#pragma once

class EditorMode;

// From now on the panels' locks follow what the mode allows: the tool panels and
// the about window take clicks only while a scenario is edited; the main frame,
// the camera view and the message editor not while the file dialog is open; the
// menu bar and the frame's close button not during a test run.
void lockPanelsByMode(EditorMode& mode);

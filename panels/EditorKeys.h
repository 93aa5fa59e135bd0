#pragma once

class EditorApplication;

// Switches the keys between the camera and the widgets on the editor's
// listener; does nothing before the listener exists.
void toggleEditorKeys(EditorApplication& app);

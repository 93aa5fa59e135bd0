#pragma once

namespace input { class KeyEvent; }
class DocumentController;
class EditCommands;

// The Ctrl chords of the menus: Ctrl+N new, Ctrl+O open, Ctrl+S save to the
// scenario's file (Ctrl+Shift+S through the dialog), Ctrl+Z undo (Ctrl+Shift+Z
// and Ctrl+Y redo); Ctrl+A select all, Ctrl+C copy, Ctrl+X cut, Ctrl+V paste,
// Ctrl+D duplicate. And Escape with nothing else to give up: it asks to end
// the editor.
class Shortcuts {
public:
    Shortcuts(DocumentController& documents, EditCommands& edits) : documents(documents), edits(edits) {}
    // True when the key was a chord and is used up.
    bool handleChord(const input::KeyEvent& key);
    // Escape, once nothing before it in the keys' order took it, asks to end the editor.
    bool leaveOnEscape(const input::KeyEvent& key);

private:
    DocumentController& documents;
    EditCommands& edits;
};

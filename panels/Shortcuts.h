#pragma once

#include "panels/KeyChord.h"

#include <functional>
#include <vector>

namespace input { class KeyEvent; }
class DocumentController;
class EditCommands;

// The Ctrl chords of the menus: Ctrl+N new, Ctrl+O open, Ctrl+S save to the
// scenario's file, Ctrl+Shift+S save under another name, Ctrl+Z undo
// (Ctrl+Shift+Z and Ctrl+Y redo); Ctrl+A select all, Ctrl+C copy, Ctrl+X cut,
// Ctrl+V paste, Ctrl+D duplicate. And Escape with nothing else to give up: it
// asks to end the editor.
class Shortcuts {
public:
    struct Binding {
        KeyChord chord;
        // The menu item that does the same, showing the chord; null for a second chord of an item.
        const char* menuItem;
        // What it does, for the key list (a message id).
        const char* description;
        std::function<void()> action;
    };

    static constexpr KeyChord leaveKey{input::KC_ESCAPE};

    Shortcuts(DocumentController& documents, EditCommands& edits);
    // True when the key was a chord and is used up.
    bool handleChord(const input::KeyEvent& key);
    // Escape, once nothing before it in the keys' order took it, asks to end the editor.
    bool leaveOnEscape(const input::KeyEvent& key);

    const std::vector<Binding>& bindings() const { return chords; }

private:
    DocumentController& documents;
    std::vector<Binding> chords;
};

#pragma once

#include <functional>

namespace input { class KeyEvent; }
class Document;
class EditorMode;

// Asks before unsaved changes would be lost: the window "kaydetSorWindow" offers
// Kaydet (save, then go on only if the save succeeded), Kaydetme (go on without
// saving) and Vazgec (stay as it was). While it is open it alone takes input.
class UnsavedChangesGuard {
public:
    // Saves the document and calls its argument once the save succeeded.
    using Save = std::function<void(std::function<void()> saved)>;

    UnsavedChangesGuard(Document& document, EditorMode& mode) : document(document), mode(mode) {}
    void wire(Save saveDocument);

    // Runs the action now when nothing is unsaved, else once the user chose to go on.
    void proceed(std::function<void()> action);
    bool isOpen() const { return asking; }
    void cancel();
    // While it asks, every key is its own; Escape means Vazgec. True when it took the key.
    bool handleKey(const input::KeyEvent& key);

private:
    void close();
    void saveAndGoOn();
    void goOn();

    Document& document;
    EditorMode& mode;
    Save save;
    std::function<void()> pending;
    bool asking = false;
};

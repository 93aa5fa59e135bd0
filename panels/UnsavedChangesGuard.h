#pragma once

#include <functional>

class Document;
class KeyboardSwitch;

// Asks before unsaved changes would be lost: the window "kaydetSorWindow" offers
// Kaydet (save, then go on only if the save succeeded), Kaydetme (go on without
// saving) and Vazgec (stay as it was). While it is open it alone takes input.
class UnsavedChangesGuard {
public:
    // Saves the document and calls its argument once the save succeeded.
    using Save = std::function<void(std::function<void()> saved)>;

    UnsavedChangesGuard(Document& document, KeyboardSwitch& keys) : document(document), keys(keys) {}
    void wire(Save saveDocument);

    // Runs the action now when nothing is unsaved, else once the user chose to go on.
    void proceed(std::function<void()> action);
    bool isOpen() const;
    void cancel();

private:
    void close();
    void saveAndGoOn();
    void goOn();

    Document& document;
    KeyboardSwitch& keys;
    Save save;
    std::function<void()> pending;
};

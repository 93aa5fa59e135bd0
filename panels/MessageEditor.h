#pragma once

#include "document/Item.h"

#include <optional>

class Document;
class KeyboardSwitch;
class Selection;

// The window "mesajWindow" where a blue area gets its message and questions.
// It opens for the selected area; storing it is an edit of the document.
class MessageEditor {
public:
    MessageEditor(Document& document, Selection& selection, KeyboardSwitch& keys);
    void wire();

    bool isOpen() const;
    void open();
    void store();
    void cancel();
    // Closes the window if it is open and empties every field, the answer back
    // on "soruYok": nothing of one scenario shows in the next (New).
    void reset();

private:
    void close();
    void emptyTexts();

    Document& document;
    Selection& selection;
    KeyboardSwitch& keys;
    // The area whose message is being written, while the window is open.
    std::optional<ItemId> areaId;
};

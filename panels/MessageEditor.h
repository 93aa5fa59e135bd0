#pragma once

#include "document/Item.h"

#include <optional>

class Document;
class EditorMode;
class Selection;

// The window "mesajWindow" where a blue area gets its message and questions.
// It opens for the selected area; storing it is an edit of the document.
class MessageEditor {
public:
    MessageEditor(Document& document, Selection& selection, EditorMode& mode);
    // Hides the window and connects its buttons and the properties tab's "mesajYaz".
    void wire();

    bool isOpen() const { return areaId.has_value(); }
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
    EditorMode& mode;
    // The area whose message is being written, while the window is open.
    std::optional<ItemId> areaId;
};

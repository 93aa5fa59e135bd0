#pragma once

#include "scene/ScenePicker.h"

#include <string>

struct EditingContext;

// Edits of all the selected items at once, each one undo step: delete, turn,
// move, copy, cut, paste, duplicate. Where one cannot be done the user is told
// why and nothing changes.
class SelectionEdits {
public:
    // How far a duplicate lies from its original, along +x and +z.
    static constexpr int duplicateOffset = 5;

    explicit SelectionEdits(EditingContext& context) : context(context) {}

    bool deleteAll();
    // The selected objects turn by degrees (clockwise seen from above); areas
    // and roads do not turn.
    void turn(int degrees);
    // One movable item goes to the ground point (x, z); several go so that
    // their centre lands there, keeping their offsets. False when nothing moved.
    bool moveTo(int x, int z);
    void selectAll();
    // The selection's ".zev" text, empty when nothing can be copied.
    std::string copy();
    // The same, and the items are deleted.
    std::string cut();
    // The scenario text's items, their centre on the ground the camera sees at
    // the view point; the pasted items become the selection.
    void paste(const std::string& text, ViewPoint at);
    // Copies of the selected items beside them; the copies become the selection.
    void duplicate();

private:
    EditingContext& context;
};

#pragma once

#include "editing/Selection.h"

class SceneMirror;

// The selected item shows its bounding box in the scene.
class SelectionHighlight : public SelectionObserver {
public:
    SelectionHighlight(Selection& selection, SceneMirror& mirror);
    void selectionChanged(std::optional<ItemId> previous, SelectionChange change) override;

private:
    Selection& selection;
    SceneMirror& mirror;
};

#pragma once

#include "editing/Selection.h"

class SceneMirror;

// Every selected item shows its bounding box in the scene.
class SelectionHighlight : public SelectionObserver {
public:
    SelectionHighlight(Selection& selection, SceneMirror& mirror);
    void selectionChanged(const std::vector<ItemId>& previous, SelectionChange change) override;

private:
    Selection& selection;
    SceneMirror& mirror;
};

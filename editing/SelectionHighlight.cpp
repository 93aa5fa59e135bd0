#include "editing/SelectionHighlight.h"

#include "scene/SceneMirror.h"

SelectionHighlight::SelectionHighlight(Selection& selection, SceneMirror& mirror)
    : selection(selection), mirror(mirror)
{
    selection.addObserver(this);
}

void SelectionHighlight::selectionChanged(std::optional<ItemId> previous, SelectionChange)
{
    if (previous)
        mirror.highlight(*previous, false);
    if (selection.selected())
        mirror.highlight(*selection.selected(), true);
}

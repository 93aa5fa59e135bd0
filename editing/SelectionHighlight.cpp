#include "editing/SelectionHighlight.h"

#include "scene/SceneMirror.h"

SelectionHighlight::SelectionHighlight(Selection& selection, SceneMirror& mirror)
    : selection(selection), mirror(mirror)
{
    selection.addObserver(this);
}

void SelectionHighlight::selectionChanged(const std::vector<ItemId>& previous, SelectionChange)
{
    for (ItemId id : previous)
        if (!selection.contains(id))
            mirror.highlight(id, false);
    for (const Item& item : selection.items())
        mirror.highlight(item.id, true);
}

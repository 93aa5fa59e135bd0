#include "panels/GoToItem.h"

#include "document/Document.h"
#include "editing/Selection.h"
#include "gui/EditorMode.h"
#include "gui/WindowLookup.h"
#include "panels/MainWindowNames.h"
#include "panels/MenuPopups.h"
#include "platform/input/InputEvents.h"
#include "scene/CameraPose.h"
#include "scene/PlacementGeometry.h"
#include "scene/SceneMirror.h"
#include "scene/terrain/Heightfield.h"

#include <CEGUI/CEGUI.h>

#include <optional>

namespace {

std::optional<GroundBox> boxAround(const std::vector<Item>& items)
{
    std::optional<GroundBox> box;
    for (const Item& item : items)
        box = box ? enclosing(*box, groundBoxOf(item)) : groundBoxOf(item);
    return box;
}

}  // namespace

void GoToItem::wire()
{
    onWindowEvent(mainnames::goToItem, CEGUI::PushButton::EventClicked, [this] {
        closeMenuPopups();
        if (parts.mode.allowed().cameraKeys)
            goToSelection();
    });
}

bool GoToItem::handleKey(const input::KeyEvent& key)
{
    if (key.getKey() != goKey.key)
        return false;
    goToSelection();
    return true;
}

void GoToItem::goToSelection()
{
    const Heightfield* ground = groundOf(parts.scene);
    const std::vector<Item> selected = parts.selection.items();
    if (selected.size() == 1) {
        lookAtItem(selected.front());
        return;
    }
    if (const std::optional<GroundBox> around = boxAround(selected)) {
        camerapose::lookAt(parts.camera, around->centre(), ground);
        return;
    }
    if (const std::optional<GroundBox> all = boxAround(parts.document.items()))
        camerapose::overlook(parts.camera, *all, ground);
    else if (ground)
        camerapose::overlook(parts.camera, centredTerrain(ground->worldX(), ground->worldZ()), ground);
}

void GoToItem::select(ItemId id, bool lookAtIt)
{
    const Item* item = parts.document.find(id);
    if (!item)
        return;
    parts.selection.select(id);
    if (lookAtIt)
        lookAtItem(*item);
}

void GoToItem::lookAtItem(const Item& item)
{
    // An item stands on the highest ground under it: look at where it is drawn.
    const Heightfield* ground = groundOf(parts.scene);
    camerapose::lookAt(parts.camera, groundCentreOf(item), ground, placementOf(item, ground).position.y);
}

void GoToItem::moveOver(GroundPoint point) { camerapose::moveOver(parts.camera, point, groundOf(parts.scene)); }

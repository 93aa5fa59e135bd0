#include "editing/EditingTools.h"

#include "document/Commands.h"
#include "document/Document.h"
#include "editing/EditingTool.h"
#include "editing/Selection.h"
#include "scene/CursorPreview.h"
#include "scene/PlacementGeometry.h"

bool EditingContext::placeable(const Item& item) const
{
    const std::string problem = document.checkItem(item);
    if (!problem.empty())
        notify(problem + "; hicbir sey yerlestirilmedi.");
    return problem.empty();
}

EditingTools::EditingTools(EditingContext context) : context(std::move(context))
{
    tool = makeSelectTool(this->context, *this);
}

EditingTools::~EditingTools() = default;

PlacementMode EditingTools::mode() const { return tool->mode(); }

bool EditingTools::hasAnchor() const { return tool->hasAnchor(); }

void EditingTools::beginObjectPlacement(const std::string& meshName)
{
    context.selection.clear();
    context.cursor.remove();
    const std::string meshFile = meshName + ".mesh";
    if (!context.placeable(makeObject(0, meshFile, 0, 0))) {
        endPlacement();
        return;
    }
    use(makeObjectTool(context, *this, meshFile));
    context.cursor.showObject(meshFile);
}

void EditingTools::beginAreaPlacement()
{
    context.selection.clear();
    context.cursor.remove();
    use(makeAreaTool(context, *this));
}

void EditingTools::beginRoadPlacement()
{
    context.selection.clear();
    context.cursor.remove();
    use(makeRoadTool(context, *this));
}

void EditingTools::press(ViewPoint at)
{
    context.cursor.remove();
    for (const PickHit& hit : context.picker.pick(at)) {
        // A tool that ends itself hands the rest of the walk to the next one.
        EditingTool& current = *tool;
        const EditingTool::Walk walk = hit.item ? current.onItem(*hit.item) : current.onGround(*hit.ground);
        if (walk != EditingTool::Walk::Continue)
            break;
    }
    retired.reset();
}

void EditingTools::hover(ViewPoint at)
{
    const bool showsCursor = mode() == Object || hasAnchor();
    if (!showsCursor)
        return;
    if (const std::optional<Ogre::Vector3> ground = context.picker.groundAt(at))
        tool->hover({truncateToWhole(ground->x), truncateToWhole(ground->z)});
}

void EditingTools::cancel()
{
    context.selection.clear();
    endPlacement();
}

void EditingTools::endPlacement()
{
    context.cursor.remove();
    use(makeSelectTool(context, *this));
}

bool EditingTools::deleteSelected()
{
    const Item* selected = context.selection.selectedItem();
    if (!selected || !isDeletable(*selected))
        return false;
    const std::string problem = context.document.execute(std::make_unique<RemoveItem>(selected->id));
    if (!problem.empty()) {
        context.notify(problem);
        return false;
    }
    return true;
}

void EditingTools::use(std::unique_ptr<EditingTool> next)
{
    retired = std::move(tool);
    tool = std::move(next);
}

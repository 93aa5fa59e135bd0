#include "editing/EditingTools.h"

#include "document/Document.h"
#include "document/Translation.h"
#include "editing/Selection.h"
#include "editing/Tool.h"
#include "scene/CursorPreview.h"
#include "scene/PlacementGeometry.h"

bool EditingContext::placeable(const Item& item) const
{
    const std::string problem = document.checkItem(item);
    if (!problem.empty())
        notify(fill(tr("%1; hicbir sey yerlestirilmedi."), {problem}));
    return problem.empty();
}

EditingTools::EditingTools(EditingContext context) : context(std::move(context))
{
    tool = makeSelectTool(this->context, *this);
}

EditingTools::~EditingTools() = default;

Placing EditingTools::placing() const { return tool->placing(); }

bool EditingTools::hasAnchor() const { return tool->hasAnchor(); }

void EditingTools::beginObjectPlacement(const std::string& meshName, bool kept)
{
    context.selection.clear();
    context.cursor.remove();
    rubberBand.reset();
    const std::string meshFile = meshName + ".mesh";
    if (!context.placeable(makeObject(0, meshFile, 0, 0))) {
        endPlacement();
        return;
    }
    use(makeObjectTool(context, *this, meshFile, kept));
    context.cursor.showObject(meshFile);
}

void EditingTools::beginAreaPlacement(bool kept)
{
    context.selection.clear();
    context.cursor.remove();
    rubberBand.reset();
    use(makeAreaTool(context, *this, kept));
}

void EditingTools::beginRoadPlacement()
{
    context.selection.clear();
    context.cursor.remove();
    rubberBand.reset();
    use(makeRoadTool(context, *this));
}

void EditingTools::press(ViewPoint at, bool adding)
{
    context.cursor.remove();
    for (const PickHit& hit : context.picker.pick(at)) {
        // A tool that ends itself hands the rest of the walk to the next one.
        Tool& current = *tool;
        if ((hit.item ? current.onItem(*hit.item, adding) : current.onGround(*hit.ground, adding)) == Tool::Hit::Used)
            break;
    }
    retired.reset();
}

void EditingTools::hover(ViewPoint at)
{
    const bool showsCursor = placing() == Placing::Object || hasAnchor();
    if (!showsCursor)
        return;
    if (const std::optional<Ogre::Vector3> ground = context.picker.groundAt(at))
        tool->hover({truncateToWhole(ground->x), truncateToWhole(ground->z)});
}

bool EditingTools::beginBand(ViewPoint at, bool adding)
{
    if (placing() != Placing::Nothing)
        return false;
    rubberBand = RubberBand{at, at, adding};
    return true;
}

void EditingTools::dragBand(ViewPoint to)
{
    if (rubberBand)
        rubberBand->to = to;
}

void EditingTools::endBand(ViewPoint at)
{
    if (!rubberBand)
        return;
    const RubberBand ended{rubberBand->from, at, rubberBand->adding};
    rubberBand.reset();
    const std::vector<ItemId> inside = context.picker.itemsInside(ended.from, ended.to, context.document.items());
    if (ended.adding)
        context.selection.add(inside);
    else
        context.selection.selectOnly(inside);
}

bool EditingTools::canCancel() const { return placing() != Placing::Nothing || rubberBand || !context.selection.empty(); }

void EditingTools::cancel()
{
    rubberBand.reset();
    context.selection.clear();
    endPlacement();
}

void EditingTools::endPlacement()
{
    context.cursor.remove();
    use(makeSelectTool(context, *this));
}

void EditingTools::turn(int degrees)
{
    if (!tool->turn(degrees))
        selectionEdits.turn(degrees);
}

void EditingTools::use(std::unique_ptr<Tool> next)
{
    retired = std::move(tool);
    tool = std::move(next);
    if (placingChanged && retired->placing() != tool->placing())
        placingChanged(tool->placing());
}

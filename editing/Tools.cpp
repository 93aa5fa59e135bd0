#include "editing/EditingTool.h"

#include "document/Commands.h"
#include "document/Document.h"
#include "editing/Selection.h"
#include "scene/CursorPreview.h"
#include "scene/PlacementGeometry.h"

namespace {

const char* const areaMesh = "kup.mesh";
const char* const roadMesh = "yol.mesh";

Ogre::Vector2 wholeGroundPoint(const Ogre::Vector3& ground)
{
    return {truncateToWhole(ground.x), truncateToWhole(ground.z)};
}

// Picks select; a ground point moves the selected object or area there.
class SelectTool : public EditingTool {
public:
    using EditingTool::EditingTool;
    PlacementMode mode() const override { return None; }

    Walk onGround(const Ogre::Vector3& ground) override
    {
        const Item* selected = context.selection.selectedItem();
        if (!context.selection.selected())
            return Walk::Continue;
        // Road segments do not move, nor do entries the file only shows.
        if (!selected || !isMovable(*selected))
            return Walk::End;
        const Ogre::Vector2 p = wholeGroundPoint(ground);
        const Item moved = movedTo(*selected, static_cast<int>(p.x), static_cast<int>(p.y));
        if (moved != *selected) {
            const std::string problem = context.document.execute(std::make_unique<ChangeItem>(*selected, moved));
            if (!problem.empty())
                context.notify(problem);
        }
        return Walk::Continue;
    }
};

// The next ground point places one object, which is then selected.
class ObjectTool : public EditingTool {
public:
    ObjectTool(EditingContext& context, EditingTools& tools, std::string meshFile)
        : EditingTool(context, tools), meshFile(std::move(meshFile))
    {
    }
    PlacementMode mode() const override { return Object; }

    Walk onGround(const Ogre::Vector3& ground) override
    {
        const Ogre::Vector2 p = wholeGroundPoint(ground);
        const Item item = makeObject(context.document.peekId(), meshFile, p.x, p.y);
        tools.endPlacement();
        if (!context.placeable(item))
            return Walk::End;
        context.selection.drop();
        if (add(item))
            context.selection.select(item.id);
        return Walk::End;
    }

    void hover(const Ogre::Vector2& ground) override { context.cursor.moveObjectTo(ground); }

private:
    std::string meshFile;
};

// Two ground points: the first is the anchor, the second places the item.
class TwoPointTool : public EditingTool {
public:
    TwoPointTool(EditingContext& context, EditingTools& tools, const char* meshFile)
        : EditingTool(context, tools), meshFile(meshFile)
    {
    }
    bool hasAnchor() const override { return anchored; }

    Walk onGround(const Ogre::Vector3& ground) override
    {
        const Ogre::Vector2 p = wholeGroundPoint(ground);
        const Item item = shape(context.document.peekId(), p);
        if (!context.placeable(item)) {
            tools.endPlacement();
            return Walk::End;
        }
        if (!anchored) {
            anchored = true;
            anchor = p;
            context.cursor.showAnchor(meshFile, anchor);
            return Walk::Continue;
        }
        context.selection.drop();
        if (add(item))
            context.selection.select(item.id, SelectionChange::Silent);
        placed(p);
        return Walk::Continue;
    }

protected:
    virtual Item shape(ItemId id, const Ogre::Vector2& end) const = 0;
    // After the item at the end point was placed.
    virtual void placed(const Ogre::Vector2& end) = 0;

    const char* meshFile;
    bool anchored = false;
    Ogre::Vector2 anchor = Ogre::Vector2::ZERO;
};

class AreaTool : public TwoPointTool {
public:
    AreaTool(EditingContext& context, EditingTools& tools) : TwoPointTool(context, tools, areaMesh) {}
    PlacementMode mode() const override { return Area; }
    void hover(const Ogre::Vector2& ground) override
    {
        if (anchored)
            context.cursor.stretchArea(anchor, ground);
    }

protected:
    Item shape(ItemId id, const Ogre::Vector2& end) const override
    {
        return makeArea(id, meshFile, anchor.x, anchor.y, end.x, end.y);
    }
    void placed(const Ogre::Vector2&) override { tools.endPlacement(); }
};

// Every further point adds a segment from the last one; the road goes on until cancelled.
class RoadTool : public TwoPointTool {
public:
    RoadTool(EditingContext& context, EditingTools& tools) : TwoPointTool(context, tools, roadMesh) {}
    PlacementMode mode() const override { return Road; }
    void hover(const Ogre::Vector2& ground) override
    {
        if (anchored)
            context.cursor.stretchRoad(anchor, ground);
    }

protected:
    Item shape(ItemId id, const Ogre::Vector2& end) const override
    {
        return makeRoad(id, meshFile, anchor.x, anchor.y, end.x, end.y);
    }
    void placed(const Ogre::Vector2& end) override
    {
        anchor = end;
        context.cursor.showAnchor(meshFile, anchor);
    }
};

}  // namespace

EditingTool::Walk EditingTool::onItem(ItemId id)
{
    context.selection.select(id);
    return Walk::Continue;
}

bool EditingTool::add(const Item& item)
{
    const std::string problem = context.document.execute(std::make_unique<AddItem>(item));
    if (!problem.empty())
        context.notify(problem);
    return problem.empty();
}

std::unique_ptr<EditingTool> makeSelectTool(EditingContext& context, EditingTools& tools)
{
    return std::make_unique<SelectTool>(context, tools);
}

std::unique_ptr<EditingTool> makeObjectTool(EditingContext& context, EditingTools& tools, const std::string& meshFile)
{
    return std::make_unique<ObjectTool>(context, tools, meshFile);
}

std::unique_ptr<EditingTool> makeAreaTool(EditingContext& context, EditingTools& tools)
{
    return std::make_unique<AreaTool>(context, tools);
}

std::unique_ptr<EditingTool> makeRoadTool(EditingContext& context, EditingTools& tools)
{
    return std::make_unique<RoadTool>(context, tools);
}

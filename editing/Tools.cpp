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

// A press on an item selects it and nothing else; with Shift it goes into the
// selection or out of it. A press on the ground moves what is selected there.
class SelectTool : public EditingTool {
public:
    using EditingTool::EditingTool;
    PlacementMode mode() const override { return None; }

    Walk onItem(ItemId id, bool adding) override
    {
        if (adding)
            context.selection.toggle(id);
        else
            context.selection.select(id);
        return Walk::End;
    }

    Walk onGround(const Ogre::Vector3& ground, bool adding) override
    {
        if (!adding && !context.selection.empty()) {
            const Ogre::Vector2 p = wholeGroundPoint(ground);
            tools.edits().moveTo(static_cast<int>(p.x), static_cast<int>(p.y));
        }
        return Walk::End;
    }
};

// The next ground point places one object, which is then selected; a kept
// placement goes on placing at every ground point. The object keeps the turn
// its cursor object was given.
class ObjectTool : public EditingTool {
public:
    ObjectTool(EditingContext& context, EditingTools& tools, std::string meshFile, bool kept)
        : EditingTool(context, tools), meshFile(std::move(meshFile)), kept(kept)
    {
    }
    PlacementMode mode() const override { return Object; }

    Walk onGround(const Ogre::Vector3& ground, bool) override
    {
        const Ogre::Vector2 p = wholeGroundPoint(ground);
        const Item item = shaped(context.document.peekId(), p);
        if (!kept)
            tools.endPlacement();
        if (!context.placeable(item)) {
            tools.endPlacement();
            return Walk::End;
        }
        context.selection.drop();
        if (add(item))
            context.selection.select(item.id);
        if (kept) {
            context.cursor.showObject(meshFile);
            hover(p);
        }
        return Walk::End;
    }

    void hover(const Ogre::Vector2& ground) override
    {
        lastGround = ground;
        context.cursor.place(shaped(0, ground));
    }

    bool turn(int degrees) override
    {
        turning = turnedBy(shaped(0, {0, 0}), degrees).turn;
        if (lastGround)
            hover(*lastGround);
        return true;
    }

private:
    Item shaped(ItemId id, const Ogre::Vector2& at) const
    {
        Item item = makeObject(id, meshFile, at.x, at.y);
        item.turn = turning;
        return item;
    }

    std::string meshFile;
    bool kept;
    int turning = 0;
    std::optional<Ogre::Vector2> lastGround;
};

// Two ground points: the first is the anchor, the second places the item.
class TwoPointTool : public EditingTool {
public:
    TwoPointTool(EditingContext& context, EditingTools& tools, const char* meshFile)
        : EditingTool(context, tools), meshFile(meshFile)
    {
    }
    bool hasAnchor() const override { return anchored; }

    Walk onGround(const Ogre::Vector3& ground, bool) override
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
            return Walk::End;
        }
        context.selection.drop();
        if (add(item))
            context.selection.select(item.id, SelectionChange::Silent);
        placed(p);
        return Walk::End;
    }

    void hover(const Ogre::Vector2& ground) override
    {
        if (anchored)
            context.cursor.place(shape(0, ground));
    }

protected:
    virtual Item shape(ItemId id, const Ogre::Vector2& end) const = 0;
    // After the item at the end point was placed.
    virtual void placed(const Ogre::Vector2& end) = 0;

    const char* meshFile;
    bool anchored = false;
    Ogre::Vector2 anchor = Ogre::Vector2::ZERO;
};

// A kept area tool marks one area after the other.
class AreaTool : public TwoPointTool {
public:
    AreaTool(EditingContext& context, EditingTools& tools, bool kept)
        : TwoPointTool(context, tools, areaMesh), kept(kept)
    {
    }
    PlacementMode mode() const override { return Area; }

protected:
    Item shape(ItemId id, const Ogre::Vector2& end) const override
    {
        return makeArea(id, meshFile, anchor.x, anchor.y, end.x, end.y);
    }
    void placed(const Ogre::Vector2&) override
    {
        if (!kept) {
            tools.endPlacement();
            return;
        }
        anchored = false;
        context.cursor.remove();
    }

private:
    bool kept;
};

// Every further point adds a segment from the last one; the road goes on until cancelled.
class RoadTool : public TwoPointTool {
public:
    RoadTool(EditingContext& context, EditingTools& tools) : TwoPointTool(context, tools, roadMesh) {}
    PlacementMode mode() const override { return Road; }

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

std::unique_ptr<EditingTool> makeObjectTool(EditingContext& context, EditingTools& tools, const std::string& meshFile,
                                            bool kept)
{
    return std::make_unique<ObjectTool>(context, tools, meshFile, kept);
}

std::unique_ptr<EditingTool> makeAreaTool(EditingContext& context, EditingTools& tools, bool kept)
{
    return std::make_unique<AreaTool>(context, tools, kept);
}

std::unique_ptr<EditingTool> makeRoadTool(EditingContext& context, EditingTools& tools)
{
    return std::make_unique<RoadTool>(context, tools);
}

#include "editing/Tool.h"

#include "document/Commands.h"
#include "document/Document.h"
#include "editing/Selection.h"
#include "scene/CursorPreview.h"
#include "scene/PlacementGeometry.h"

namespace {

const char* const areaMesh = "kup.mesh";
const char* const roadMesh = "yol.mesh";

// The next ground point places one object, which is then selected; a kept
// placement goes on placing at every ground point. The object keeps the turn
// its cursor object was given.
class ObjectTool : public Tool {
public:
    ObjectTool(EditingContext& context, EditingTools& tools, std::string meshFile, bool kept)
        : Tool(context, tools), meshFile(std::move(meshFile)), kept(kept)
    {
    }
    Placing placing() const override { return Placing::Object; }

    Hit onGround(const Ogre::Vector3& ground, bool) override
    {
        const Ogre::Vector2 p = wholeGroundPoint(ground);
        const Item item = shaped(context.document.peekId(), p);
        if (!kept)
            tools.endPlacement();
        if (!context.placeable(item)) {
            tools.endPlacement();
            return Hit::Used;
        }
        context.selection.drop();
        if (add(item))
            context.selection.select(item.id);
        if (kept) {
            context.cursor.showObject(meshFile);
            hover(p);
        }
        return Hit::Used;
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
class TwoPointTool : public Tool {
public:
    TwoPointTool(EditingContext& context, EditingTools& tools, const char* meshFile)
        : Tool(context, tools), meshFile(meshFile)
    {
    }
    bool hasAnchor() const override { return anchored; }

    Hit onGround(const Ogre::Vector3& ground, bool) override
    {
        const Ogre::Vector2 p = wholeGroundPoint(ground);
        const Item item = shape(context.document.peekId(), p);
        if (!context.placeable(item)) {
            tools.endPlacement();
            return Hit::Used;
        }
        if (!anchored) {
            anchored = true;
            anchor = p;
            context.cursor.showAnchor(meshFile, anchor);
            return Hit::Used;
        }
        context.selection.drop();
        if (add(item))
            context.selection.select(item.id, SelectionChange::Silent);
        placed(p);
        return Hit::Used;
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
    Placing placing() const override { return Placing::Area; }

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
    Placing placing() const override { return Placing::Road; }

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

bool Tool::add(const Item& item)
{
    const std::string problem = context.document.execute(std::make_unique<AddItem>(item));
    if (!problem.empty())
        context.notify(problem);
    return problem.empty();
}

std::unique_ptr<Tool> makeObjectTool(EditingContext& context, EditingTools& tools, const std::string& meshFile,
                                            bool kept)
{
    return std::make_unique<ObjectTool>(context, tools, meshFile, kept);
}

std::unique_ptr<Tool> makeAreaTool(EditingContext& context, EditingTools& tools, bool kept)
{
    return std::make_unique<AreaTool>(context, tools, kept);
}

std::unique_ptr<Tool> makeRoadTool(EditingContext& context, EditingTools& tools)
{
    return std::make_unique<RoadTool>(context, tools);
}

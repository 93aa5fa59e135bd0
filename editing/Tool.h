#pragma once

#include "editing/EditingTools.h"
#include "scene/PlacementGeometry.h"

#include <OgreVector.h>

// One tool as a small state machine. A press offers the tool what the pick ray
// meets, nearest first; for each hit the tool answers whether it used the hit
// or passes it on to the next one behind.
class Tool {
public:
    enum class Hit { PassOn, Used };

    Tool(EditingContext& context, EditingTools& tools) : context(context), tools(tools) {}
    virtual ~Tool() = default;

    virtual Placing placing() const = 0;
    virtual bool hasAnchor() const { return false; }
    // A placed item met by the ray; adding: Shift was held. Placing tools pass through items.
    virtual Hit onItem(ItemId, bool /*adding*/) { return Hit::PassOn; }
    virtual Hit onGround(const Ogre::Vector3& ground, bool adding) = 0;
    virtual void hover(const Ogre::Vector2&) {}
    // Turns what the tool is about to place; false when it places nothing that turns.
    virtual bool turn(int) { return false; }

protected:
    // The ground point in whole units, as items are placed and moved.
    static Ogre::Vector2 wholeGroundPoint(const Ogre::Vector3& ground)
    {
        return {truncateToWhole(ground.x), truncateToWhole(ground.z)};
    }
    // Adds the item; false (with the user told why) when it could not be added.
    bool add(const Item& item);

    EditingContext& context;
    EditingTools& tools;
};

// Selecting and moving what is selected.
std::unique_ptr<Tool> makeSelectTool(EditingContext& context, EditingTools& tools);
// Placing catalog objects, blue areas and road segments.
std::unique_ptr<Tool> makeObjectTool(EditingContext& context, EditingTools& tools, const std::string& meshFile,
                                     bool kept);
std::unique_ptr<Tool> makeAreaTool(EditingContext& context, EditingTools& tools, bool kept);
std::unique_ptr<Tool> makeRoadTool(EditingContext& context, EditingTools& tools);

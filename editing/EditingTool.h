#pragma once

#include "editing/EditingTools.h"

#include <OgreVector.h>

// One placement mode as a small state machine. A press walks what the pick ray
// meets, nearest first; each step says whether the walk goes on.
class EditingTool {
public:
    enum class Walk { Continue, End };

    EditingTool(EditingContext& context, EditingTools& tools) : context(context), tools(tools) {}
    virtual ~EditingTool() = default;

    virtual PlacementMode mode() const = 0;
    virtual bool hasAnchor() const { return false; }
    // A placed item met by the ray; adding: Shift was held. Placing tools pass through items.
    virtual Walk onItem(ItemId, bool /*adding*/) { return Walk::Continue; }
    virtual Walk onGround(const Ogre::Vector3& ground, bool adding) = 0;
    virtual void hover(const Ogre::Vector2&) {}
    // Turns what the tool is about to place; false when it places nothing that turns.
    virtual bool turn(int) { return false; }

protected:
    // Adds the item; false (with the user told why) when it could not be added.
    bool add(const Item& item);

    EditingContext& context;
    EditingTools& tools;
};

std::unique_ptr<EditingTool> makeSelectTool(EditingContext& context, EditingTools& tools);
std::unique_ptr<EditingTool> makeObjectTool(EditingContext& context, EditingTools& tools, const std::string& meshFile,
                                            bool kept);
std::unique_ptr<EditingTool> makeAreaTool(EditingContext& context, EditingTools& tools, bool kept);
std::unique_ptr<EditingTool> makeRoadTool(EditingContext& context, EditingTools& tools);

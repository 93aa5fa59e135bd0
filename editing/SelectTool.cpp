#include "editing/Tool.h"

#include "editing/Selection.h"

namespace {

// A press on an item selects it and nothing else; with Shift it goes into the
// selection or out of it. A press on the ground moves what is selected there.
class SelectTool : public Tool {
public:
    using Tool::Tool;
    Placing placing() const override { return Placing::Nothing; }

    Hit onItem(ItemId id, bool adding) override
    {
        if (adding)
            context.selection.toggle(id);
        else
            context.selection.select(id);
        return Hit::Used;
    }

    Hit onGround(const Ogre::Vector3& ground, bool adding) override
    {
        if (!adding && !context.selection.empty()) {
            const Ogre::Vector2 p = wholeGroundPoint(ground);
            tools.edits().moveTo(static_cast<int>(p.x), static_cast<int>(p.y));
        }
        return Hit::Used;
    }
};

}  // namespace

std::unique_ptr<Tool> makeSelectTool(EditingContext& context, EditingTools& tools)
{
    return std::make_unique<SelectTool>(context, tools);
}

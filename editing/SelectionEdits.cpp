#include "editing/SelectionEdits.h"

#include "document/Commands.h"
#include "document/Document.h"
#include "document/GroupEdits.h"
#include "document/ScenarioFormat.h"
#include "document/Translation.h"
#include "editing/EditingTools.h"
#include "editing/Selection.h"
#include "scene/PlacementGeometry.h"

#include <algorithm>
#include <cmath>

namespace {

int nearestWhole(float value) { return static_cast<int>(std::floor(value + 0.5f)); }

bool allOnTerrain(const ScenePicker& picker, const std::vector<Item>& items)
{
    return std::all_of(items.begin(), items.end(), [&picker](const Item& item) {
        const GroundPoint at = groundCentreOf(item);
        return picker.onTerrain(at.x, at.z);
    });
}

}  // namespace

bool SelectionEdits::deleteAll()
{
    std::unique_ptr<Command> removal = removeGroup(context.selection.items());
    if (!removal)
        return false;
    const std::string problem = context.document.execute(std::move(removal));
    if (!problem.empty())
        context.notify(problem);
    return problem.empty();
}

void SelectionEdits::turn(int degrees)
{
    if (std::unique_ptr<Command> turning = turnGroup(context.selection.items(), degrees)) {
        const std::string problem = context.document.execute(std::move(turning));
        if (!problem.empty())
            context.notify(problem);
    }
}

bool SelectionEdits::moveTo(int x, int z)
{
    const std::vector<Item> items = context.selection.items();
    if (items.empty())
        return false;
    std::vector<Item> moved;
    std::unique_ptr<Command> move;
    if (items.size() == 1) {
        // Road segments do not move alone, nor do entries the file only shows.
        if (!isMovable(items.front()))
            return false;
        moved.push_back(movedTo(items.front(), x, z));
        if (moved.front() != items.front())
            move = std::make_unique<ChangeItem>(items.front(), moved.front());
    } else {
        const GroundPoint centre = centreOf(items);
        const int dx = x - nearestWhole(centre.x), dz = z - nearestWhole(centre.z);
        for (const Item& item : items)
            moved.push_back(shiftedBy(item, dx, dz));
        move = moveGroup(items, dx, dz);
    }
    if (!move)
        return false;
    if (!allOnTerrain(context.picker, moved)) {
        context.notify(tr("Bu konum arazinin disinda; hicbir sey tasinmadi."));
        return false;
    }
    const std::string problem = context.document.execute(std::move(move));
    if (!problem.empty())
        context.notify(problem);
    return problem.empty();
}

void SelectionEdits::selectAll()
{
    const std::vector<Item>& all = context.document.items();
    if (!all.empty())
        context.selection.selectOnly(idsOf(all));
}

std::string SelectionEdits::copy()
{
    try {
        return groupText(context.selection.items());
    } catch (const ScenarioWriteError& error) {
        context.notify(fill(tr("Secim kopyalanamadi: %1."), {error.what()}));
        return "";
    }
}

std::string SelectionEdits::cut()
{
    const std::string text = copy();
    if (text.empty() || !deleteAll())
        return "";
    return text;
}

void SelectionEdits::paste(const std::string& text, ViewPoint at)
{
    PastedGroup pasted = readGroup(text, context.document.peekId());
    if (!pasted.problem.empty()) {
        context.notify(pasted.problem);
        return;
    }
    const char* const offTerrain = tr("Yapistirilan ogeler arazinin disina tasiyor");
    const std::optional<Ogre::Vector3> ground = context.picker.groundAt(at);
    if (!ground) {
        context.notify(offTerrain);
        return;
    }
    const GroundPoint centre = centreOf(pasted.items);
    const int dx = static_cast<int>(truncateToWhole(ground->x)) - nearestWhole(centre.x);
    const int dz = static_cast<int>(truncateToWhole(ground->z)) - nearestWhole(centre.z);
    for (Item& item : pasted.items)
        item = shiftedBy(item, dx, dz);
    if (!allOnTerrain(context.picker, pasted.items)) {
        context.notify(offTerrain);
        return;
    }
    const std::vector<ItemId> ids = idsOf(pasted.items);
    const std::string problem = context.document.execute(std::make_unique<AddItems>(std::move(pasted.items)));
    if (!problem.empty()) {
        context.notify(fill(tr("%1; hicbir sey yapistirilmadi."), {problem}));
        return;
    }
    context.selection.selectOnly(ids);
}

void SelectionEdits::duplicate()
{
    std::vector<Item> copies =
        copiesOf(context.selection.items(), context.document.peekId(), duplicateOffset, duplicateOffset);
    if (copies.empty())
        return;
    if (!allOnTerrain(context.picker, copies)) {
        context.notify(tr("Cogaltilan ogeler arazinin disina tasiyor; hicbir sey cogaltilmadi."));
        return;
    }
    const std::vector<ItemId> ids = idsOf(copies);
    const std::string problem = context.document.execute(std::make_unique<AddItems>(std::move(copies)));
    if (!problem.empty()) {
        context.notify(problem);
        return;
    }
    context.selection.selectOnly(ids);
}

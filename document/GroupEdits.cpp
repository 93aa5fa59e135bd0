#include "document/GroupEdits.h"

#include "document/Commands.h"
#include "document/ScenarioFormat.h"
#include "document/ScenarioItems.h"
#include "document/Translation.h"

#include <algorithm>
#include <iterator>

namespace {

bool inGroups(const Item& item) { return item.kind != ItemKind::Other; }

std::vector<Item> groupItems(const std::vector<Item>& items)
{
    std::vector<Item> kept;
    std::copy_if(items.begin(), items.end(), std::back_inserter(kept), inGroups);
    return kept;
}

}  // namespace

GroundPoint centreOf(const std::vector<Item>& items)
{
    if (items.empty())
        return {};
    const GroundPoint first = groundCentreOf(items.front());
    GroundBox around{first.x, first.z, first.x, first.z};
    for (const Item& item : items) {
        const GroundPoint at = groundCentreOf(item);
        around = enclosing(around, {at.x, at.z, at.x, at.z});
    }
    return around.centre();
}

std::unique_ptr<Command> moveGroup(const std::vector<Item>& items, int dx, int dz)
{
    std::vector<Item> before = groupItems(items);
    if (before.empty() || (dx == 0 && dz == 0))
        return nullptr;
    std::vector<Item> after;
    after.reserve(before.size());
    for (const Item& item : before)
        after.push_back(shiftedBy(item, dx, dz));
    return std::make_unique<ChangeItems>(std::move(before), std::move(after));
}

std::unique_ptr<Command> turnGroup(const std::vector<Item>& items, int degrees)
{
    std::vector<Item> before, after;
    for (const Item& item : items) {
        if (!isTurnable(item))
            continue;
        before.push_back(item);
        after.push_back(turnedBy(item, degrees));
    }
    if (before.empty())
        return nullptr;
    return std::make_unique<ChangeItems>(std::move(before), std::move(after));
}

std::unique_ptr<Command> removeGroup(const std::vector<Item>& items)
{
    if (items.empty())
        return nullptr;
    return std::make_unique<RemoveItems>(idsOf(items));
}

std::vector<Item> copiesOf(const std::vector<Item>& items, ItemId firstId, int dx, int dz)
{
    std::vector<Item> copies = groupItems(items);
    for (Item& copy : copies) {
        copy = shiftedBy(copy, dx, dz);
        copy.id = firstId++;
    }
    return copies;
}

std::string groupText(const std::vector<Item>& items) { return writeScenario(scenarioOf(items)); }

PastedGroup readGroup(const std::string& text, ItemId firstId)
{
    const ScenarioParse parsed = parseScenario(text);
    if (parsed.error)
        return {{}, tr("Panodaki metin bir senaryo degil")};
    std::vector<Item> items = groupItems(itemsOf(parsed.document, firstId));
    if (items.empty())
        return {{}, tr("Panodaki metin bir senaryo degil")};
    if (items.size() > maxPastedItems)
        return {{}, fill(tr("Panodaki senaryoda %1 oge var; en cok %2 oge yapistirilabilir. Hicbir sey yapistirilmadi."),
                        {std::to_string(items.size()), std::to_string(maxPastedItems)})};
    // Ids in a row from firstId on, whatever entries were left out.
    for (Item& item : items)
        item.id = firstId++;
    return {std::move(items), ""};
}

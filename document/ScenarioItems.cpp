#include "document/ScenarioItems.h"

#include "document/ScenarioFormat.h"

#include <variant>

namespace {

int whole(float value) { return toFileCoordinate(value); }

ScenarioEntry entryOf(const Item& item)
{
    switch (item.kind) {
    case ItemKind::Object:
        return ScenarioObject{item.mesh, whole(item.x), whole(item.y), whole(item.z), item.turn};
    case ItemKind::Area: {
        ScenarioArea area{item.mesh,       whole(item.x),  whole(item.y),  whole(item.z),
                          whole(item.x1),  whole(item.z1), whole(item.x2), whole(item.z2)};
        if (item.message) {
            area.message = *item.message;
            // Questions kept from an earlier message without them are not part of the file.
            if (!area.message->hasQuestions)
                area.message->questions = {};
        }
        return area;
    }
    case ItemKind::Road:
        return ScenarioRoad{item.mesh, whole(item.x1), whole(item.z1), whole(item.x2), whole(item.z2)};
    case ItemKind::Other:
        break;
    }
    return ScenarioOther{item.type, item.mesh, whole(item.x), whole(item.y), whole(item.z)};
}

struct ItemOfEntry {
    ItemId id;

    Item operator()(const ScenarioObject& object) const
    {
        Item item = makeObject(id, object.mesh, float(object.x), float(object.z));
        item.y = float(object.y);
        item.turn = object.turn;
        return item;
    }

    Item operator()(const ScenarioArea& area) const
    {
        Item item = makeArea(id, area.mesh, float(area.x1), float(area.z1), float(area.x2), float(area.z2));
        item.x = float(area.x);
        item.y = float(area.y);
        item.z = float(area.z);
        item.message = area.message;
        return item;
    }

    Item operator()(const ScenarioRoad& road) const
    {
        return makeRoad(id, road.mesh, float(road.x1), float(road.z1), float(road.x2), float(road.z2));
    }

    Item operator()(const ScenarioOther& other) const
    {
        Item item;
        item.id = id;
        item.kind = ItemKind::Other;
        item.type = other.type;
        item.mesh = other.mesh;
        item.x = float(other.x);
        item.y = float(other.y);
        item.z = float(other.z);
        return item;
    }
};

}  // namespace

ScenarioDocument scenarioOf(const std::vector<Item>& items)
{
    ScenarioDocument scenario;
    scenario.entries.reserve(items.size());
    for (const Item& item : items)
        if (item.kind != ItemKind::Other)
            scenario.entries.push_back(entryOf(item));
    return scenario;
}

std::vector<Item> itemsOf(const ScenarioDocument& scenario, ItemId firstId)
{
    std::vector<Item> items;
    items.reserve(scenario.entries.size());
    for (const ScenarioEntry& entry : scenario.entries)
        items.push_back(std::visit(ItemOfEntry{firstId + static_cast<ItemId>(items.size())}, entry));
    return items;
}

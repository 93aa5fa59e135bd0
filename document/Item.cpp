#include "document/Item.h"

#include <cmath>
#include <tuple>

bool operator==(const Item& a, const Item& b)
{
    return std::tie(a.id, a.kind, a.type, a.mesh, a.x, a.y, a.z, a.x1, a.z1, a.x2, a.z2, a.turn, a.message)
        == std::tie(b.id, b.kind, b.type, b.mesh, b.x, b.y, b.z, b.x1, b.z1, b.x2, b.z2, b.turn, b.message);
}

std::vector<ItemId> idsOf(const std::vector<Item>& items)
{
    std::vector<ItemId> ids;
    ids.reserve(items.size());
    for (const Item& item : items)
        ids.push_back(item.id);
    return ids;
}

namespace {

Item made(ItemId id, ItemKind kind, const char* type, const std::string& mesh)
{
    Item item;
    item.id = id;
    item.kind = kind;
    item.type = type;
    item.mesh = mesh;
    return item;
}

Item spanning(Item item, float x1, float z1, float x2, float z2)
{
    item.x1 = x1;
    item.z1 = z1;
    item.x2 = x2;
    item.z2 = z2;
    return item;
}

}  // namespace

Item makeObject(ItemId id, const std::string& mesh, float x, float z)
{
    Item item = made(id, ItemKind::Object, "human", mesh);
    item.x = x;
    item.z = z;
    return item;
}

Item makeArea(ItemId id, const std::string& mesh, float x1, float z1, float x2, float z2)
{
    Item item = spanning(made(id, ItemKind::Area, "bluearea", mesh), x1, z1, x2, z2);
    item.x = (x1 + x2) / 2;
    item.y = 1.0f;
    item.z = (z1 + z2) / 2;
    return item;
}

Item makeRoad(ItemId id, const std::string& mesh, float x1, float z1, float x2, float z2)
{
    return spanning(made(id, ItemKind::Road, "road", mesh), x1, z1, x2, z2);
}

bool isMovable(const Item& item) { return item.kind == ItemKind::Object || item.kind == ItemKind::Area; }

Item movedTo(const Item& item, int x, int z)
{
    Item moved = item;
    moved.x = static_cast<float>(x);
    moved.y = 0.1f;
    moved.z = static_cast<float>(z);
    if (item.kind == ItemKind::Area) {
        // Width and depth are cut to whole numbers and halved in integer
        // division, so the corners stay whole numbers.
        const int halfWidth = static_cast<int>(std::trunc(item.x2 - item.x1)) / 2;
        const int halfDepth = static_cast<int>(std::trunc(item.z2 - item.z1)) / 2;
        moved.x1 = static_cast<float>(x - halfWidth);
        moved.z1 = static_cast<float>(z - halfDepth);
        moved.x2 = static_cast<float>(x + halfWidth);
        moved.z2 = static_cast<float>(z + halfDepth);
    }
    return moved;
}

bool isTurnable(const Item& item) { return item.kind == ItemKind::Object; }

Item turnedBy(const Item& item, int degrees)
{
    Item turned = item;
    turned.turn = ((item.turn + degrees) % 360 + 360) % 360;
    return turned;
}

Item shiftedBy(const Item& item, int dx, int dz)
{
    Item shifted = item;
    if (item.kind != ItemKind::Road) {
        shifted.x += dx;
        shifted.z += dz;
    }
    if (item.kind == ItemKind::Area || item.kind == ItemKind::Road) {
        shifted.x1 += dx;
        shifted.z1 += dz;
        shifted.x2 += dx;
        shifted.z2 += dz;
    }
    return shifted;
}

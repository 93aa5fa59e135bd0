#include "document/ItemGround.h"

#include <algorithm>

namespace {

GroundBox between(float x1, float z1, float x2, float z2)
{
    return {std::min(x1, x2), std::min(z1, z2), std::max(x1, x2), std::max(z1, z2)};
}

}  // namespace

bool GroundBox::contains(const GroundBox& other) const
{
    return other.minX >= minX && other.maxX <= maxX && other.minZ >= minZ && other.maxZ <= maxZ;
}

GroundBox enclosing(const GroundBox& a, const GroundBox& b)
{
    return {std::min(a.minX, b.minX), std::min(a.minZ, b.minZ), std::max(a.maxX, b.maxX), std::max(a.maxZ, b.maxZ)};
}

GroundBox groundBoxOf(const Item& item)
{
    switch (item.kind) {
    case ItemKind::Area:
    case ItemKind::Road:
        return between(item.x1, item.z1, item.x2, item.z2);
    case ItemKind::Object:
    case ItemKind::Other:
        break;
    }
    return {item.x, item.z, item.x, item.z};
}

GroundPoint groundCentreOf(const Item& item) { return groundBoxOf(item).centre(); }

GroundBox centredTerrain(float worldX, float worldZ) { return {-worldX / 2, -worldZ / 2, worldX / 2, worldZ / 2}; }

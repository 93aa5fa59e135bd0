#include "scene/PlacementGeometry.h"

#include "scene/terrain/Heightfield.h"

#include <OgreMath.h>

#include <cmath>

namespace {

// The road mesh is 4 wide; a segment is scaled 2 across.
const float roadHalfWidth = 4.0f;
// Road segments lie this far above the ground under them.
const float roadLift = 1.0f;

Ogre::Quaternion turnAboutY(Ogre::Radian angle) { return Ogre::Quaternion(angle, Ogre::Vector3::UNIT_Y); }

float groundUnder(const Item& item, const Heightfield* ground)
{
    if (!ground)
        return 0;
    const std::vector<Ogre::Vector2> footprint = footprintOf(item);
    const std::optional<float> height =
        footprint.empty() ? ground->heightAt(item.x, item.z) : ground->highestUnder(footprint);
    return height.value_or(0);
}

}  // namespace

float truncateToWhole(float value) { return std::trunc(value); }

RoadShape roadShape(float x1, float z1, float x2, float z2)
{
    const float dx = x2 - x1;
    const float dz = z2 - z1;
    const float length = std::sqrt(dx * dx + dz * dz);
    return {Ogre::Vector3((x1 + x2) / 2, roadLift, (z1 + z2) / 2), Ogre::Vector3(2.0f, 0.1f, length / 11),
            turnAboutY(Ogre::Math::ATan2(dx, dz))};
}

Ogre::Vector3 areaScale(float x1, float z1, float x2, float z2)
{
    return {std::fabs(x1 - x2) / 2, 0.1f, std::fabs(z1 - z2) / 2};
}

std::vector<Ogre::Vector2> footprintOf(const Item& item)
{
    switch (item.kind) {
    case ItemKind::Area: {
        const Ogre::Vector3 half = areaScale(item.x1, item.z1, item.x2, item.z2);
        return {{item.x - half.x, item.z - half.z},
                {item.x + half.x, item.z - half.z},
                {item.x + half.x, item.z + half.z},
                {item.x - half.x, item.z + half.z}};
    }
    case ItemKind::Road: {
        const Ogre::Vector2 start(item.x1, item.z1), end(item.x2, item.z2);
        const Ogre::Vector2 along = end - start;
        const float length = along.length();
        const Ogre::Vector2 across =
            length > 0 ? Ogre::Vector2(-along.y, along.x) * (roadHalfWidth / length) : Ogre::Vector2(roadHalfWidth, 0);
        return {start - across, end - across, end + across, start + across};
    }
    default:
        return {};
    }
}

Placement placementOf(const Item& item, const Heightfield* ground)
{
    Placement placement;
    const float base = groundUnder(item, ground);
    switch (item.kind) {
    case ItemKind::Road: {
        const RoadShape shape = roadShape(item.x1, item.z1, item.x2, item.z2);
        placement.position = shape.position + Ogre::Vector3(0, base, 0);
        placement.scale = shape.scale;
        placement.orientation = shape.orientation;
        return placement;
    }
    case ItemKind::Area:
        placement.scale = areaScale(item.x1, item.z1, item.x2, item.z2);
        break;
    default:
        // Clockwise seen from above is a negative turn about +y.
        placement.orientation = turnAboutY(Ogre::Degree(-static_cast<float>(item.turn)));
        break;
    }
    placement.position = Ogre::Vector3(item.x, base + item.y, item.z);
    return placement;
}

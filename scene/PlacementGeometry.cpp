#include "scene/PlacementGeometry.h"

#include <OgreMath.h>

#include <cmath>

float truncateToWhole(float value) { return std::trunc(value); }

RoadShape roadShape(float x1, float z1, float x2, float z2)
{
    const float dx = x2 - x1;
    const float dz = z2 - z1;
    const bool alongX = std::fabs(dx) > std::fabs(dz);
    const float length = alongX ? std::fabs(dx) : std::fabs(dz);
    Ogre::Vector3 position;
    if (alongX)
        position = {(x1 + x2) / 2, 1.0f, dz >= 0 ? z1 + 1 : z1 - 1};
    else
        position = {dx >= 0 ? x1 + 1 : x1 - 1, 1.0f, (z1 + z2) / 2};
    return {position, Ogre::Vector3(2.0f, 0.1f, length / 11), alongX};
}

Ogre::Vector3 areaScale(float x1, float z1, float x2, float z2)
{
    return {std::fabs(x1 - x2) / 2, 0.1f, std::fabs(z1 - z2) / 2};
}

Placement placementOf(const Item& item)
{
    Placement placement;
    switch (item.kind) {
    case ItemKind::Road: {
        const RoadShape shape = roadShape(item.x1, item.z1, item.x2, item.z2);
        placement.position = shape.position;
        placement.scale = shape.scale;
        if (shape.alongX) {
            // As a node turned from no turn about its own y axis holds it.
            Ogre::Quaternion turn;
            turn.FromAngleAxis(Ogre::Radian(90 * Ogre::Math::fDeg2Rad), Ogre::Vector3::UNIT_Y);
            turn.normalise();
            placement.orientation = Ogre::Quaternion::IDENTITY * turn;
        }
        return placement;
    }
    case ItemKind::Area:
        placement.scale = areaScale(item.x1, item.z1, item.x2, item.z2);
        break;
    default:
        break;
    }
    placement.position = Ogre::Vector3(item.x, item.y, item.z);
    return placement;
}

#pragma once

#include "document/Item.h"

#include <OgreQuaternion.h>
#include <OgreVector.h>

#include <vector>

class Heightfield;

// Pure geometry of placed items: the whole-number grid, the shape of a road
// segment or a blue area, and where items stand on the terrain.

// Pick points are cut to whole numbers toward zero (2.7 -> 2, -2.7 -> -2).
float truncateToWhole(float value);

// A road segment runs from its start to its end at any angle: the road mesh
// (4 wide, 11 long) scaled 2 across and length / 11 along, its middle halfway,
// turned about y from +z towards the end.
struct RoadShape {
    Ogre::Vector3 position;  // y is the height above the ground under the road
    Ogre::Vector3 scale;
    Ogre::Quaternion orientation;
};
RoadShape roadShape(float x1, float z1, float x2, float z2);

// The scale of a blue area's box between two corners.
Ogre::Vector3 areaScale(float x1, float z1, float x2, float z2);

// The ground an area or a road covers, its corners in order around it as (x, z);
// empty for items that stand on a point.
std::vector<Ogre::Vector2> footprintOf(const Item& item);

// Where an item's mesh stands and in what shape: the transform of its node.
// Items stand on the ground: an object at the terrain's height under it, an
// area or a road at the highest terrain point under its footprint, each plus
// its own y. Without a ground (null) the ground is at height 0.
struct Placement {
    Ogre::Vector3 position = Ogre::Vector3::ZERO;
    Ogre::Vector3 scale = Ogre::Vector3::UNIT_SCALE;
    Ogre::Quaternion orientation;
};
Placement placementOf(const Item& item, const Heightfield* ground);

#pragma once

#include "document/Item.h"

#include <OgreQuaternion.h>
#include <OgreVector.h>

// Pure geometry of placed items: the whole-number grid and the shape of a road
// segment or a blue area.

// Pick points are cut to whole numbers toward zero (2.7 -> 2, -2.7 -> -2).
float truncateToWhole(float value);

// A road segment is always axis-aligned: the smaller offset is dropped and the
// strip lies one unit off the start point's line, on the side of the end point.
struct RoadShape {
    Ogre::Vector3 position;
    Ogre::Vector3 scale;
    bool alongX;  // the strip is turned 90 degrees about y
};
RoadShape roadShape(float x1, float z1, float x2, float z2);

// The scale of a blue area's box between two corners.
Ogre::Vector3 areaScale(float x1, float z1, float x2, float z2);

// Where an item's mesh stands and in what shape: the transform of its node.
struct Placement {
    Ogre::Vector3 position = Ogre::Vector3::ZERO;
    Ogre::Vector3 scale = Ogre::Vector3::UNIT_SCALE;
    Ogre::Quaternion orientation;
};
Placement placementOf(const Item& item);

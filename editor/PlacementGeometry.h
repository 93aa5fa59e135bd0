#pragma once

#include <OgreVector.h>

// Pure geometry of placed items: the whole-number grid, the shape of a road
// segment or a blue area, and where an area's corners go when it moves.

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

struct AreaCorners {
    float x1, z1, x2, z2;
};
// The corners of an area moved to (x, z): width and depth are cut to whole
// numbers and halved in integer division, so the corners stay whole numbers.
AreaCorners movedAreaCorners(const AreaCorners& corners, int x, int z);

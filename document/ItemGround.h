#pragma once

#include "document/Item.h"

// Where items lie on the ground, seen from above: x and z only.

struct GroundPoint {
    float x = 0, z = 0;
};

// A closed rectangle, minX <= maxX and minZ <= maxZ.
struct GroundBox {
    float minX = 0, minZ = 0, maxX = 0, maxZ = 0;

    // True when every point of other lies in this box (its edges included).
    // A box with a coordinate that is not a number lies in no box.
    bool contains(const GroundBox& other) const;
    GroundPoint centre() const { return {(minX + maxX) / 2, (minZ + maxZ) / 2}; }
};

// The smallest box holding both.
GroundBox enclosing(const GroundBox& a, const GroundBox& b);

// The ground an item covers: an area the rectangle between its corners, a
// road segment the rectangle of its end points, an object or other entry the
// single point it stands on.
GroundBox groundBoxOf(const Item& item);

// Where an item is shown and looked at: the middle of its ground box.
GroundPoint groundCentreOf(const Item& item);

// A terrain of worldX by worldZ units centred on the origin, as the terrain
// configuration's PageWorldX and PageWorldZ describe it.
GroundBox centredTerrain(float worldX, float worldZ);

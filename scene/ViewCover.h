#pragma once

#include <OgreAxisAlignedBox.h>
#include <OgreMatrix4.h>

#include <vector>

namespace Ogre {
class Camera;
}

// What a view's drawn solid boxes hide, on a coarse grid over the picture:
// each cell that a box face covers whole keeps the farthest depth of that
// face, the nearest such depth of all faces over it. A box lying wholly
// behind covered cells cannot show a single pixel, so a view need not draw
// it: the picture stays exactly the same. Built anew for every view, the
// nearest boxes first.
class ViewCover {
public:
    static constexpr int cells = 256;  // across and down the picture

    // A new view from the camera, with nothing covered yet.
    void begin(const Ogre::Camera& camera);
    // Whether everything inside the box lies behind what is covered.
    bool hides(const Ogre::AxisAlignedBox& box) const;
    // A drawn closed opaque box: the box in the model's space, placed by the
    // transform whose rows these are (three rows of a 3x4 matrix).
    void cover(const Ogre::AxisAlignedBox& box, const float* rows);

private:
    struct Projected {
        float x, y;  // on the picture, -1..1
        float depth; // from the eye along the view
    };
    bool project(const Ogre::Vector3& point, Projected& projected) const;
    void coverQuad(const Projected (&corners)[4]);

    Ogre::Matrix4 viewProjection;
    float nearDepth = 0;
    Ogre::Vector3 eye;
    std::vector<float> depth;  // per cell: everything farther is hidden there
};

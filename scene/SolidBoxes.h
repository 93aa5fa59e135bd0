#pragma once

#include <OgreAxisAlignedBox.h>
#include <OgreMesh.h>

#include <cstddef>
#include <vector>

// The closed axis-aligned boxes a mesh is partly built of, largest first, at
// most `most` of them: six opaque rectangles, each two triangles, that enclose
// a box between them. Whatever lies behind such a box, seen from anywhere, is
// hidden by its faces, so a view can leave it out without a pixel changing.
std::vector<Ogre::AxisAlignedBox> solidBoxesOf(const Ogre::Mesh& mesh, std::size_t most);

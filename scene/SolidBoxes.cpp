#include "scene/SolidBoxes.h"

#include <OgreHardwareBufferManager.h>
#include <OgreMaterial.h>
#include <OgreSubMesh.h>

#include <algorithm>
#include <array>
#include <map>
#include <tuple>

namespace {

// A rectangle across one axis: at `plane` on that axis, spanning low..high on
// the two others (in the order x, y, z without the axis).
struct Rectangle {
    int axis;
    bool facingUp;  // its triangles face the axis' positive direction
    float plane;
    std::array<float, 2> low, high;
    bool operator<(const Rectangle& other) const
    {
        return std::tie(axis, facingUp, plane, low, high)
             < std::tie(other.axis, other.facingUp, other.plane, other.low, other.high);
    }
};

using Triangle = std::array<Ogre::Vector3, 3>;

std::vector<Triangle> trianglesOf(const Ogre::VertexData& vertices, const Ogre::IndexData& indices)
{
    std::vector<Triangle> triangles;
    const Ogre::VertexElement* position =
        vertices.vertexDeclaration->findElementBySemantic(Ogre::VES_POSITION);
    if (!position || position->getType() != Ogre::VET_FLOAT3 || !indices.indexBuffer)
        return triangles;
    const Ogre::HardwareVertexBufferSharedPtr buffer = vertices.vertexBufferBinding->getBuffer(position->getSource());
    Ogre::HardwareBufferLockGuard vertexLock(buffer, Ogre::HardwareBuffer::HBL_READ_ONLY);
    Ogre::HardwareBufferLockGuard indexLock(indices.indexBuffer, Ogre::HardwareBuffer::HBL_READ_ONLY);
    const auto* base = static_cast<const unsigned char*>(vertexLock.pData);
    const bool wide = indices.indexBuffer->getType() == Ogre::HardwareIndexBuffer::IT_32BIT;
    const auto index = [&](std::size_t i) -> std::size_t {
        const std::size_t at = indices.indexStart + i;
        return wide ? static_cast<const Ogre::uint32*>(indexLock.pData)[at]
                    : static_cast<const Ogre::uint16*>(indexLock.pData)[at];
    };
    const auto point = [&](std::size_t vertex) {
        const unsigned char* at = base + (vertices.vertexStart + vertex) * buffer->getVertexSize();
        float* xyz = nullptr;
        position->baseVertexPointerToElement(const_cast<unsigned char*>(at), &xyz);
        return Ogre::Vector3(xyz[0], xyz[1], xyz[2]);
    };
    for (std::size_t i = 0; i + 2 < indices.indexCount; i += 3)
        triangles.push_back({point(index(i)), point(index(i + 1)), point(index(i + 2))});
    return triangles;
}

// The rectangle this triangle is half of: its corners are three corners of an
// axis-aligned rectangle across the axis its face points along. Gives the
// rectangle's corner it leaves out (bit 0: high on the first axis, bit 1:
// high on the second), or -1.
int halfOf(const Triangle& t, Rectangle& rectangle)
{
    const Ogre::Vector3 normal = (t[1] - t[0]).crossProduct(t[2] - t[0]);
    for (int axis = 0; axis < 3; ++axis) {
        const int u = axis == 0 ? 1 : 0, v = axis == 2 ? 1 : 2;
        if (normal[axis] == 0 || normal[u] != 0 || normal[v] != 0)
            continue;
        rectangle.axis = axis;
        rectangle.facingUp = normal[axis] > 0;
        rectangle.plane = t[0][axis];
        rectangle.low = {std::min({t[0][u], t[1][u], t[2][u]}), std::min({t[0][v], t[1][v], t[2][v]})};
        rectangle.high = {std::max({t[0][u], t[1][u], t[2][u]}), std::max({t[0][v], t[1][v], t[2][v]})};
        int corners = 0;
        for (const Ogre::Vector3& corner : t) {
            if ((corner[u] != rectangle.low[0] && corner[u] != rectangle.high[0])
                || (corner[v] != rectangle.low[1] && corner[v] != rectangle.high[1]))
                return -1;
            corners |= 1 << ((corner[u] == rectangle.high[0] ? 1 : 0) + (corner[v] == rectangle.high[1] ? 2 : 0));
        }
        for (int left = 0; left < 4; ++left)
            if ((corners | 1 << left) == 15 && corners != 15)
                return left;
        return -1;
    }
    return -1;
}

}  // namespace

std::vector<Ogre::AxisAlignedBox> solidBoxesOf(const Ogre::Mesh& mesh, std::size_t most)
{
    // Each rectangle with the corners its triangles leave out: two halves that
    // leave out opposite corners split it along one diagonal and cover it whole.
    std::map<Rectangle, int> halves;
    for (const Ogre::SubMesh* part : mesh.getSubMeshes()) {
        if (part->operationType != Ogre::RenderOperation::OT_TRIANGLE_LIST)
            continue;
        const Ogre::MaterialPtr& material = part->getMaterial();
        if (!material || material->isTransparent())
            continue;
        const Ogre::VertexData* vertices = part->useSharedVertices ? mesh.sharedVertexData : part->vertexData;
        for (const Triangle& triangle : trianglesOf(*vertices, *part->indexData)) {
            Rectangle rectangle{};
            const int left = halfOf(triangle, rectangle);
            if (left >= 0)
                halves[rectangle] |= 1 << left;
        }
    }
    const auto covered = [](int leftOut) { return (leftOut & 9) == 9 || (leftOut & 6) == 6; };
    const auto whole = [&](const Rectangle& rectangle) {
        const auto found = halves.find(rectangle);
        return found != halves.end() && covered(found->second);
    };
    // Each whole rectangle on top, facing up, with one under it facing down
    // and four sides between them.
    std::vector<Ogre::AxisAlignedBox> boxes;
    for (const auto& [top, topHalves] : halves) {
        if (top.axis != 1 || !top.facingUp || !covered(topHalves))
            continue;
        const float x0 = top.low[0], x1 = top.high[0], z0 = top.low[1], z1 = top.high[1], y1 = top.plane;
        for (const auto& [bottom, bottomHalves] : halves) {
            if (bottom.axis != 1 || bottom.facingUp || bottom.plane >= y1 || bottom.low != top.low
                || bottom.high != top.high || !covered(bottomHalves))
                continue;
            const float y0 = bottom.plane;
            if (whole({0, true, x1, {y0, z0}, {y1, z1}}) && whole({0, false, x0, {y0, z0}, {y1, z1}})
                && whole({2, true, z1, {x0, y0}, {x1, y1}}) && whole({2, false, z0, {x0, y0}, {x1, y1}}))
                boxes.emplace_back(x0, y0, z0, x1, y1, z1);
        }
    }
    std::sort(boxes.begin(), boxes.end(), [](const Ogre::AxisAlignedBox& a, const Ogre::AxisAlignedBox& b) {
        return a.volume() > b.volume();
    });
    if (boxes.size() > most)
        boxes.resize(most);
    return boxes;
}

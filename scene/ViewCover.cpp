#include "scene/ViewCover.h"

#include <OgreCamera.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr float nothingCovered = std::numeric_limits<float>::infinity();
// Margins against the rounding of the picture's own projection: on the picture
// (a share of its width) and in depth (a share of the depth).
constexpr float edgeMargin = 1e-4f;
constexpr float depthMargin = 1e-4f;

// The cell that holds the point x (-1..1 across the picture).
int cellAt(float x)
{
    return static_cast<int>(std::floor((x + 1) * 0.5f * ViewCover::cells));
}

float cellEdge(int cell) { return static_cast<float>(cell) * 2.0f / ViewCover::cells - 1; }

// The box's corners: bit 0 high x, bit 1 high y, bit 2 high z.
Ogre::Vector3 corner(const Ogre::AxisAlignedBox& box, int which)
{
    const Ogre::Vector3& low = box.getMinimum();
    const Ogre::Vector3& high = box.getMaximum();
    return {which & 1 ? high.x : low.x, which & 2 ? high.y : low.y, which & 4 ? high.z : low.z};
}

// The faces of a box by their corners, in order around each.
constexpr int faces[6][4] = {{0, 2, 6, 4}, {1, 3, 7, 5}, {0, 1, 5, 4}, {2, 3, 7, 6}, {0, 1, 3, 2}, {4, 5, 7, 6}};

}  // namespace

void ViewCover::begin(const Ogre::Camera& camera)
{
    viewProjection = camera.getProjectionMatrix() * camera.getViewMatrix(true);
    nearDepth = camera.getNearClipDistance();
    eye = camera.getDerivedPosition();
    depth.assign(static_cast<std::size_t>(cells) * cells, nothingCovered);
}

bool ViewCover::project(const Ogre::Vector3& point, Projected& projected) const
{
    const Ogre::Vector4 clip = viewProjection * Ogre::Vector4(point.x, point.y, point.z, 1);
    // In a perspective view w is the depth along the view; only points beyond
    // the near plane come on the picture as they are.
    if (!(clip.w > nearDepth))
        return false;
    projected = Projected{clip.x / clip.w, clip.y / clip.w, clip.w};
    return true;
}

bool ViewCover::hides(const Ogre::AxisAlignedBox& box) const
{
    if (box.isNull() || box.isInfinite())
        return false;
    float left = 1, right = -1, bottom = 1, top = -1, nearest = nothingCovered;
    for (int i = 0; i < 8; ++i) {
        Projected p{};
        if (!project(corner(box, i), p))
            return false;
        left = std::min(left, p.x), right = std::max(right, p.x);
        bottom = std::min(bottom, p.y), top = std::max(top, p.y);
        nearest = std::min(nearest, p.depth);
    }
    const int x0 = std::max(cellAt(left - edgeMargin), 0), x1 = std::min(cellAt(right + edgeMargin), cells - 1);
    const int y0 = std::max(cellAt(bottom - edgeMargin), 0), y1 = std::min(cellAt(top + edgeMargin), cells - 1);
    if (x0 > x1 || y0 > y1)
        return false;
    const float limit = nearest * (1 - depthMargin);
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x)
            if (!(depth[static_cast<std::size_t>(y) * cells + x] < limit))
                return false;
    return true;
}

void ViewCover::cover(const Ogre::AxisAlignedBox& box, const float* rows)
{
    const Ogre::Affine3 placed(rows[0], rows[1], rows[2], rows[3], rows[4], rows[5], rows[6], rows[7], rows[8],
                               rows[9], rows[10], rows[11]);
    Ogre::Vector3 world[8];
    Projected corners[8];
    bool onPicture[8];
    for (int i = 0; i < 8; ++i) {
        world[i] = placed * corner(box, i);
        onPicture[i] = project(world[i], corners[i]);
    }
    const Ogre::Vector3 centre = (world[0] + world[7]) * 0.5f;
    for (const auto& face : faces) {
        if (!onPicture[face[0]] || !onPicture[face[1]] || !onPicture[face[2]] || !onPicture[face[3]])
            continue;
        // Only the faces turned to the eye: those turned away lie behind them.
        const Ogre::Vector3 middle = (world[face[0]] + world[face[2]]) * 0.5f;
        if ((eye - middle).dotProduct(middle - centre) <= 0)
            continue;
        coverQuad({corners[face[0]], corners[face[1]], corners[face[2]], corners[face[3]]});
    }
}

void ViewCover::coverQuad(const Projected (&corners)[4])
{
    // The quad's edges as lines a x + b y + c, positive inside: its turning
    // direction on the picture decides the sign.
    float area = 0;
    for (int i = 0; i < 4; ++i) {
        const Projected& p = corners[i];
        const Projected& q = corners[(i + 1) % 4];
        area += p.x * q.y - q.x * p.y;
    }
    if (area == 0)
        return;
    const float turn = area > 0 ? 1.0f : -1.0f;
    float a[4], b[4], c[4];
    float left = 1, right = -1, bottom = 1, top = -1, farthest = 0;
    for (int i = 0; i < 4; ++i) {
        const Projected& p = corners[i];
        const Projected& q = corners[(i + 1) % 4];
        a[i] = turn * (p.y - q.y);
        b[i] = turn * (q.x - p.x);
        c[i] = turn * (p.x * q.y - q.x * p.y);
        const float length = std::sqrt(a[i] * a[i] + b[i] * b[i]);
        c[i] -= edgeMargin * length;
        left = std::min(left, p.x), right = std::max(right, p.x);
        bottom = std::min(bottom, p.y), top = std::max(top, p.y);
        farthest = std::max(farthest, p.depth);
    }
    const auto inside = [&](float x, float y) {
        for (int i = 0; i < 4; ++i)
            if (!(a[i] * x + b[i] * y + c[i] > 0))
                return false;
        return true;
    };
    // Over a flat face one over the depth changes linearly across the
    // picture: its smallest value on a cell lies at one of the cell's corners.
    const Projected& p0 = corners[0];
    const Projected& p1 = corners[1];
    const Projected& p2 = corners[2];
    const double ux = p1.x - p0.x, uy = p1.y - p0.y, uq = 1.0 / p1.depth - 1.0 / p0.depth;
    const double vx = p2.x - p0.x, vy = p2.y - p0.y, vq = 1.0 / p2.depth - 1.0 / p0.depth;
    const double determinant = ux * vy - uy * vx;
    // A face seen almost edge on covers a cell or two at most: its farthest
    // depth does for them.
    const bool edgeOn = std::abs(determinant) < 1e-4;
    const double qx = edgeOn ? 0 : (uq * vy - vq * uy) / determinant;
    const double qy = edgeOn ? 0 : (vq * ux - uq * vx) / determinant;
    const auto inverseDepth = [&](float x, float y) {
        return edgeOn ? 1.0 / farthest : 1.0 / p0.depth + qx * (x - p0.x) + qy * (y - p0.y);
    };
    // The cells whose four corners lie inside the quad.
    const int x0 = std::max(cellAt(left), 0), x1 = std::min(cellAt(right), cells - 1);
    const int y0 = std::max(cellAt(bottom), 0), y1 = std::min(cellAt(top), cells - 1);
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            const float ex0 = cellEdge(x), ex1 = cellEdge(x + 1), ey0 = cellEdge(y), ey1 = cellEdge(y + 1);
            if (!inside(ex0, ey0) || !inside(ex1, ey0) || !inside(ex0, ey1) || !inside(ex1, ey1))
                continue;
            const double least = std::min({inverseDepth(ex0, ey0), inverseDepth(ex1, ey0), inverseDepth(ex0, ey1),
                                           inverseDepth(ex1, ey1)});
            const float far = static_cast<float>(std::min(least > 0 ? 1 / least : farthest, double{farthest}))
                            * (1 + depthMargin);
            float& cell = depth[static_cast<std::size_t>(y) * cells + x];
            cell = std::min(cell, far);
        }
    }
}

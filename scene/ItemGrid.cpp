#include "scene/ItemGrid.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// Boxes are widened by this share of a cell, so a ray that grazes a box edge
// on a cell border still finds the box.
constexpr double margin = 1e-3;

}  // namespace

ItemGrid::ItemGrid(float cellSize) : size_(cellSize) {}

int ItemGrid::cellOf(double v) const
{
    const double cell = std::floor(v / size_);
    const double limit = 1 << 28;
    return static_cast<int>(std::clamp(cell, -limit, limit));
}

void ItemGrid::addTo(int x, int z, ItemId id) { cells[key(x, z)].push_back(id); }

void ItemGrid::removeFrom(int x, int z, ItemId id)
{
    const auto found = cells.find(key(x, z));
    if (found == cells.end())
        return;
    std::vector<ItemId>& ids = found->second;
    const auto at = std::find(ids.begin(), ids.end(), id);
    if (at != ids.end()) {
        *at = ids.back();
        ids.pop_back();
    }
    if (ids.empty())
        cells.erase(found);
}

void ItemGrid::insert(ItemId id, const Ogre::AxisAlignedBox& box)
{
    remove(id);
    if (box.isNull())
        return;
    Entry entry{};
    entry.everywhere = box.isInfinite();
    if (entry.everywhere) {
        everywhere.push_back(id);
    } else {
        const double pad = margin * size_;
        const Ogre::Vector3& low = box.getMinimum();
        const Ogre::Vector3& high = box.getMaximum();
        entry.span = Span{cellOf(low.x - pad), cellOf(low.z - pad), cellOf(high.x + pad), cellOf(high.z + pad)};
        for (int x = entry.span.x0; x <= entry.span.x1; ++x)
            for (int z = entry.span.z0; z <= entry.span.z1; ++z)
                addTo(x, z, id);
        if (!anyCell) {
            used = entry.span;
            anyCell = true;
        } else {
            used.x0 = std::min(used.x0, entry.span.x0);
            used.z0 = std::min(used.z0, entry.span.z0);
            used.x1 = std::max(used.x1, entry.span.x1);
            used.z1 = std::max(used.z1, entry.span.z1);
        }
    }
    entries.emplace(id, entry);
}

void ItemGrid::remove(ItemId id)
{
    const auto found = entries.find(id);
    if (found == entries.end())
        return;
    const Entry& entry = found->second;
    if (entry.everywhere) {
        everywhere.erase(std::find(everywhere.begin(), everywhere.end(), id));
    } else {
        for (int x = entry.span.x0; x <= entry.span.x1; ++x)
            for (int z = entry.span.z0; z <= entry.span.z1; ++z)
                removeFrom(x, z, id);
    }
    entries.erase(found);
    seen.erase(id);
}

void ItemGrid::clear()
{
    entries.clear();
    cells.clear();
    everywhere.clear();
    seen.clear();
    anyCell = false;
    used = Span{0, 0, -1, -1};
}

void ItemGrid::collectCell(int x, int z, std::vector<ItemId>& out) const
{
    const auto found = cells.find(key(x, z));
    if (found == cells.end())
        return;
    for (ItemId id : found->second) {
        std::uint32_t& mark = seen[id];
        if (mark != search) {
            mark = search;
            out.push_back(id);
        }
    }
}

void ItemGrid::collectEverywhere(std::vector<ItemId>& out) const
{
    out.insert(out.end(), everywhere.begin(), everywhere.end());
}

void ItemGrid::inRectangle(float x0, float z0, float x1, float z1, std::vector<ItemId>& out) const
{
    if (++search == 0) {
        seen.clear();
        search = 1;
    }
    collectEverywhere(out);
    if (!anyCell)
        return;
    const int cx0 = std::max(cellOf(std::min(x0, x1)), used.x0), cx1 = std::min(cellOf(std::max(x0, x1)), used.x1);
    const int cz0 = std::max(cellOf(std::min(z0, z1)), used.z0), cz1 = std::min(cellOf(std::max(z0, z1)), used.z1);
    for (int x = cx0; x <= cx1; ++x)
        for (int z = cz0; z <= cz1; ++z)
            collectCell(x, z, out);
}

void ItemGrid::alongRay(const Ogre::Ray& ray, std::vector<ItemId>& out) const
{
    if (++search == 0) {
        seen.clear();
        search = 1;
    }
    collectEverywhere(out);
    if (!anyCell)
        return;
    const double ox = ray.getOrigin().x, oz = ray.getOrigin().z;
    const double dx = ray.getDirection().x, dz = ray.getDirection().z;
    // The part of the ray over the used cells, as t from..to.
    const double minX = static_cast<double>(used.x0) * size_, maxX = static_cast<double>(used.x1 + 1) * size_;
    const double minZ = static_cast<double>(used.z0) * size_, maxZ = static_cast<double>(used.z1 + 1) * size_;
    double from = 0, to = std::numeric_limits<double>::infinity();
    const auto clip = [&](double origin, double direction, double low, double high) {
        if (direction == 0)
            return origin >= low && origin <= high;
        double t0 = (low - origin) / direction, t1 = (high - origin) / direction;
        if (t0 > t1)
            std::swap(t0, t1);
        from = std::max(from, t0);
        to = std::min(to, t1);
        return from <= to;
    };
    if (!clip(ox, dx, minX, maxX) || !clip(oz, dz, minZ, maxZ))
        return;

    // Walk the cells the ray's shadow on the ground passes, one border at a time.
    int x = std::clamp(cellOf(ox + dx * from), used.x0, used.x1);
    int z = std::clamp(cellOf(oz + dz * from), used.z0, used.z1);
    if (dx == 0 && dz == 0) {  // straight up or down: one cell
        collectCell(x, z, out);
        return;
    }
    const int stepX = dx > 0 ? 1 : -1, stepZ = dz > 0 ? 1 : -1;
    const double inf = std::numeric_limits<double>::infinity();
    const double deltaX = dx != 0 ? size_ / std::abs(dx) : inf;
    const double deltaZ = dz != 0 ? size_ / std::abs(dz) : inf;
    const auto border = [&](int cell, int step, double origin, double direction) {
        if (direction == 0)
            return inf;
        const double edge = static_cast<double>(step > 0 ? cell + 1 : cell) * size_;
        return (edge - origin) / direction;
    };
    double nextX = border(x, stepX, ox, dx), nextZ = border(z, stepZ, oz, dz);
    while (true) {
        collectCell(x, z, out);
        // Where the ray crosses a cell corner, the cells on both sides are taken.
        if (nextX < nextZ) {
            if (nextX > to)
                break;
            x += stepX;
            nextX += deltaX;
        } else if (nextZ < nextX) {
            if (nextZ > to)
                break;
            z += stepZ;
            nextZ += deltaZ;
        } else {
            if (nextX > to)
                break;
            collectCell(x + stepX, z, out);
            collectCell(x, z + stepZ, out);
            x += stepX;
            z += stepZ;
            nextX += deltaX;
            nextZ += deltaZ;
        }
        if (x < used.x0 || x > used.x1 || z < used.z0 || z > used.z1)
            break;
    }
}

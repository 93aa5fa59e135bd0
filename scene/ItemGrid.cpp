#include "scene/ItemGrid.h"

#include <OgreMath.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// Boxes are widened by this share of a cell, so a ray that grazes a box edge
// on a cell border still finds the box.
constexpr double margin = 1e-3;

}  // namespace

ItemGrid::ItemGrid(float cellSize) : side(cellSize) {}

int ItemGrid::cellOf(double v) const
{
    const double cell = std::floor(v / side);
    const double limit = 1 << 28;
    return static_cast<int>(std::clamp(cell, -limit, limit));
}

std::uint32_t ItemGrid::newSearch() const
{
    if (++search == 0) {
        for (const Entry& entry : slots)
            entry.mark = 0;
        search = 1;
    }
    return search;
}

void ItemGrid::removeFrom(int x, int z, std::uint32_t slot)
{
    const auto found = cells.find(key(x, z));
    if (found == cells.end())
        return;
    std::vector<std::uint32_t>& inCell = found->second;
    const auto at = std::find(inCell.begin(), inCell.end(), slot);
    if (at != inCell.end()) {
        *at = inCell.back();
        inCell.pop_back();
    }
    if (inCell.empty())
        cells.erase(found);
}

void ItemGrid::insert(ItemId id, const Ogre::AxisAlignedBox& box)
{
    remove(id);
    if (box.isNull())
        return;
    std::uint32_t slot;
    if (!freeSlots.empty()) {
        slot = freeSlots.back();
        freeSlots.pop_back();
    } else {
        slot = static_cast<std::uint32_t>(slots.size());
        slots.emplace_back();
    }
    Entry& entry = slots[slot];
    entry = Entry{};
    entry.id = id;
    entry.box = box;
    entry.everywhere = box.isInfinite();
    slotOf.emplace(id, slot);
    if (entry.everywhere) {
        everywhere.push_back(slot);
        return;
    }
    const double pad = margin * side;
    const Ogre::Vector3& low = box.getMinimum();
    const Ogre::Vector3& high = box.getMaximum();
    entry.span = Span{cellOf(low.x - pad), cellOf(low.z - pad), cellOf(high.x + pad), cellOf(high.z + pad)};
    for (int x = entry.span.x0; x <= entry.span.x1; ++x)
        for (int z = entry.span.z0; z <= entry.span.z1; ++z)
            cells[key(x, z)].push_back(slot);
    if (!anyCell) {
        used = entry.span;
        lowest = low.y;
        highest = high.y;
        anyCell = true;
    } else {
        lowest = std::min(lowest, low.y);
        highest = std::max(highest, high.y);
        used.x0 = std::min(used.x0, entry.span.x0);
        used.z0 = std::min(used.z0, entry.span.z0);
        used.x1 = std::max(used.x1, entry.span.x1);
        used.z1 = std::max(used.z1, entry.span.z1);
    }
}

void ItemGrid::remove(ItemId id)
{
    const auto found = slotOf.find(id);
    if (found == slotOf.end())
        return;
    const std::uint32_t slot = found->second;
    const Entry& entry = slots[slot];
    if (entry.everywhere) {
        everywhere.erase(std::find(everywhere.begin(), everywhere.end(), slot));
    } else {
        for (int x = entry.span.x0; x <= entry.span.x1; ++x)
            for (int z = entry.span.z0; z <= entry.span.z1; ++z)
                removeFrom(x, z, slot);
    }
    slots[slot] = Entry{};
    freeSlots.push_back(slot);
    slotOf.erase(found);
}

void ItemGrid::clear()
{
    slots.clear();
    freeSlots.clear();
    slotOf.clear();
    cells.clear();
    everywhere.clear();
    anyCell = false;
    used = Span{0, 0, -1, -1};
}

template <typename Take>
void ItemGrid::eachInCell(int x, int z, Take take) const
{
    const auto found = cells.find(key(x, z));
    if (found == cells.end())
        return;
    for (std::uint32_t slot : found->second) {
        const Entry& entry = slots[slot];
        if (entry.mark != search) {
            entry.mark = search;
            take(entry);
        }
    }
}

template <typename Take>
void ItemGrid::eachAlongRay(const Ogre::Ray& ray, Take take) const
{
    newSearch();
    for (std::uint32_t slot : everywhere)
        take(slots[slot]);
    if (!anyCell)
        return;
    const double ox = ray.getOrigin().x, oz = ray.getOrigin().z;
    const double dx = ray.getDirection().x, dz = ray.getDirection().z;
    // The part of the ray over the used cells, as t from..to.
    const double minX = static_cast<double>(used.x0) * side, maxX = static_cast<double>(used.x1 + 1) * side;
    const double minZ = static_cast<double>(used.z0) * side, maxZ = static_cast<double>(used.z1 + 1) * side;
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
        eachInCell(x, z, take);
        return;
    }
    const int stepX = dx > 0 ? 1 : -1, stepZ = dz > 0 ? 1 : -1;
    const double inf = std::numeric_limits<double>::infinity();
    const double deltaX = dx != 0 ? side / std::abs(dx) : inf;
    const double deltaZ = dz != 0 ? side / std::abs(dz) : inf;
    const auto border = [&](int cell, int step, double origin, double direction) {
        if (direction == 0)
            return inf;
        const double edge = static_cast<double>(step > 0 ? cell + 1 : cell) * side;
        return (edge - origin) / direction;
    };
    double nextX = border(x, stepX, ox, dx), nextZ = border(z, stepZ, oz, dz);
    while (true) {
        eachInCell(x, z, take);
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
            // Through a cell corner: the cells on both sides are taken too.
            if (nextX > to)
                break;
            eachInCell(x + stepX, z, take);
            eachInCell(x, z + stepZ, take);
            x += stepX;
            z += stepZ;
            nextX += deltaX;
            nextZ += deltaZ;
        }
        if (x < used.x0 || x > used.x1 || z < used.z0 || z > used.z1)
            break;
    }
}

void ItemGrid::alongRay(const Ogre::Ray& ray, std::vector<ItemId>& out) const
{
    eachAlongRay(ray, [&](const Entry& entry) { out.push_back(entry.id); });
}

void ItemGrid::hitsAlongRay(const Ogre::Ray& ray, std::vector<std::pair<ItemId, float>>& hits) const
{
    eachAlongRay(ray, [&](const Entry& entry) {
        const std::pair<bool, Ogre::Real> met = Ogre::Math::intersects(ray, entry.box);
        if (met.first)
            hits.emplace_back(entry.id, met.second);
    });
}

void ItemGrid::inRectangle(float x0, float z0, float x1, float z1, std::vector<ItemId>& out) const
{
    newSearch();
    for (std::uint32_t slot : everywhere)
        out.push_back(slots[slot].id);
    if (!anyCell)
        return;
    const int cx0 = std::max(cellOf(std::min(x0, x1)), used.x0), cx1 = std::min(cellOf(std::max(x0, x1)), used.x1);
    const int cz0 = std::max(cellOf(std::min(z0, z1)), used.z0), cz1 = std::min(cellOf(std::max(z0, z1)), used.z1);
    for (int x = cx0; x <= cx1; ++x)
        for (int z = cz0; z <= cz1; ++z)
            eachInCell(x, z, [&](const Entry& entry) { out.push_back(entry.id); });
}

void ItemGrid::inView(const Ogre::Frustum& view, std::vector<ItemId>& out) const
{
    newSearch();
    for (std::uint32_t slot : everywhere)
        out.push_back(slots[slot].id);
    // Planes whose inner side holds the view; an infinite view has no far plane.
    const int planes = view.getFarClipDistance() == 0 ? 5 : 6;
    const auto whollyInside = [&](const Ogre::AxisAlignedBox& box) {
        for (int plane = 0; plane < planes; ++plane)
            if (view.getFrustumPlane(static_cast<unsigned short>(plane)).getSide(box) != Ogre::Plane::POSITIVE_SIDE)
                return false;
        return true;
    };
    for (const auto& [cellKey, inCell] : cells) {
        const auto x = static_cast<std::int32_t>(static_cast<std::uint64_t>(cellKey) >> 32);
        const auto z = static_cast<std::int32_t>(static_cast<std::uint32_t>(cellKey));
        const Ogre::AxisAlignedBox cell(static_cast<float>(x) * side, lowest, static_cast<float>(z) * side,
                                        static_cast<float>(x + 1) * side, highest, static_cast<float>(z + 1) * side);
        if (!view.isVisible(cell))
            continue;
        const bool whole = whollyInside(cell);
        for (std::uint32_t slot : inCell) {
            const Entry& entry = slots[slot];
            if (entry.mark == search)
                continue;
            entry.mark = search;
            if (whole || view.isVisible(entry.box))
                out.push_back(entry.id);
        }
    }
}

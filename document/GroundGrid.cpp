#include "document/GroundGrid.h"

#include <cmath>

namespace {

bool usable(const GroundBox& box)
{
    return std::isfinite(box.minX) && std::isfinite(box.minZ) && std::isfinite(box.maxX) && std::isfinite(box.maxZ)
        && box.minX <= box.maxX && box.minZ <= box.maxZ;
}

// No more cells a side than this, so that boxes strung along a line do not
// make a grid larger than the boxes are many.
constexpr double mostCellsASide = 4096;

}  // namespace

GroundGrid::GroundGrid(std::vector<GroundBox> givenBoxes) : boxes(std::move(givenBoxes))
{
    std::size_t count = 0;
    GroundBox bounds;
    double sizes = 0;
    for (const GroundBox& box : boxes) {
        if (!usable(box))
            continue;
        bounds = count++ ? enclosing(bounds, box) : box;
        sizes += (static_cast<double>(box.maxX) - box.minX + static_cast<double>(box.maxZ) - box.minZ) / 2;
    }
    if (count == 0)
        return;
    originX = bounds.minX;
    originZ = bounds.minZ;
    const double width = static_cast<double>(bounds.maxX) - bounds.minX;
    const double depth = static_cast<double>(bounds.maxZ) - bounds.minZ;
    side = std::max({sizes / static_cast<double>(count), std::sqrt(width * depth / static_cast<double>(count)),
                     std::max(width, depth) / mostCellsASide});
    if (!(side > 0))  // every box the same single point
        side = 1;
    columns = static_cast<int>(std::min(std::floor(width / side), mostCellsASide)) + 1;
    rows = static_cast<int>(std::min(std::floor(depth / side), mostCellsASide)) + 1;

    const auto eachCellOf = [this](const GroundBox& box, auto take) {
        const int lastColumn = columnOf(box.maxX), lastRow = rowOf(box.maxZ);
        for (int row = rowOf(box.minZ); row <= lastRow; ++row)
            for (int column = columnOf(box.minX); column <= lastColumn; ++column)
                take(static_cast<std::size_t>(row) * static_cast<std::size_t>(columns) + column);
    };
    cellStart.assign(static_cast<std::size_t>(columns) * rows + 1, 0);
    for (const GroundBox& box : boxes)
        if (usable(box))
            eachCellOf(box, [this](std::size_t cell) { ++cellStart[cell + 1]; });
    for (std::size_t cell = 1; cell < cellStart.size(); ++cell)
        cellStart[cell] += cellStart[cell - 1];
    members.resize(cellStart.back());
    std::vector<std::uint32_t> next(cellStart.begin(), cellStart.end() - 1);
    for (std::uint32_t i = 0; i < boxes.size(); ++i)
        if (usable(boxes[i]))
            eachCellOf(boxes[i], [&](std::size_t cell) { members[next[cell]++] = i; });
}

int GroundGrid::columnOf(float x) const
{
    const double cell = std::floor((static_cast<double>(x) - originX) / side);
    return static_cast<int>(std::clamp(cell, 0.0, static_cast<double>(columns - 1)));
}

int GroundGrid::rowOf(float z) const
{
    const double cell = std::floor((static_cast<double>(z) - originZ) / side);
    return static_cast<int>(std::clamp(cell, 0.0, static_cast<double>(rows - 1)));
}

#pragma once

#include "document/ItemGround.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

// Finds the boxes that meet without comparing every box with every other: the
// boxes are sorted into a uniform grid of square cells over their bounds, and
// only boxes that share a cell are compared. The cell side follows the boxes'
// mean size and spread, so a cell holds a few boxes whatever their scale.
class GroundGrid {
public:
    explicit GroundGrid(std::vector<GroundBox> boxes);

    // Calls found(i, j) with i < j, once, for every two boxes that meet: that
    // share at least one point, so touching edges and corners count. Indices
    // are those of the boxes given. A box with a coordinate that is not a
    // finite number, or with its minimum above its maximum, meets none.
    template <typename Found>
    void eachMeetingPair(Found&& found) const;

private:
    int columnOf(float x) const;
    int rowOf(float z) const;

    std::vector<GroundBox> boxes;
    double originX = 0, originZ = 0, side = 1;
    int columns = 0, rows = 0;
    // The boxes of cell c are members[cellStart[c]] .. members[cellStart[c + 1] - 1],
    // in increasing order; cells are numbered row by row.
    std::vector<std::uint32_t> cellStart;
    std::vector<std::uint32_t> members;
};

template <typename Found>
void GroundGrid::eachMeetingPair(Found&& found) const
{
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            const std::size_t cell = static_cast<std::size_t>(row) * static_cast<std::size_t>(columns) + column;
            const std::uint32_t end = cellStart[cell + 1];
            for (std::uint32_t a = cellStart[cell]; a < end; ++a) {
                const std::uint32_t i = members[a];
                const GroundBox& p = boxes[i];
                for (std::uint32_t b = a + 1; b < end; ++b) {
                    const std::uint32_t j = members[b];
                    const GroundBox& q = boxes[j];
                    const float lowX = std::max(p.minX, q.minX), lowZ = std::max(p.minZ, q.minZ);
                    if (lowX > std::min(p.maxX, q.maxX) || lowZ > std::min(p.maxZ, q.maxZ))
                        continue;
                    // Two boxes may share many cells: the pair belongs to the one
                    // cell that holds the low corner of their common part.
                    if (columnOf(lowX) == column && rowOf(lowZ) == row)
                        found(static_cast<std::size_t>(i), static_cast<std::size_t>(j));
                }
            }
        }
    }
}

#include "scene/MapPicture.h"

#include <algorithm>
#include <cmath>

namespace {

const std::uint32_t plainGround = 0xFF5A8040;

}  // namespace

MapPicture::MapPicture(int side, const GroundBox& terrain)
    : size(side), terrain(terrain),
      background(static_cast<std::size_t>(side) * static_cast<std::size_t>(side), plainGround), picture(background)
{
}

void MapPicture::setBackground(std::vector<std::uint32_t> pixels)
{
    if (pixels.size() == background.size())
        background = std::move(pixels);
}

float MapPicture::columnOf(float x) const { return (x - terrain.minX) / (terrain.maxX - terrain.minX) * size; }

float MapPicture::rowOf(float z) const { return (z - terrain.minZ) / (terrain.maxZ - terrain.minZ) * size; }

GroundPoint MapPicture::groundAt(float u, float v) const
{
    return {terrain.minX + u * (terrain.maxX - terrain.minX), terrain.minZ + v * (terrain.maxZ - terrain.minZ)};
}

void MapPicture::draw(const std::vector<Item>& items, const std::function<bool(ItemId)>& selected)
{
    picture = background;
    // Areas first, so that the objects and roads in them show.
    for (int pass = 0; pass < 2; ++pass)
        for (const Item& item : items)
            if ((item.kind == ItemKind::Area) == (pass == 0) && !selected(item.id))
                mark(item, item.kind == ItemKind::Area ? areaColour
                           : item.kind == ItemKind::Road ? roadColour
                                                         : objectColour);
    for (const Item& item : items)
        if (selected(item.id))
            mark(item, selectedColour);
}

void MapPicture::mark(const Item& item, std::uint32_t colour)
{
    switch (item.kind) {
    case ItemKind::Area: rectangle(groundBoxOf(item), colour); break;
    case ItemKind::Road: line(item.x1, item.z1, item.x2, item.z2, colour); break;
    default: dot(item.x, item.z, colour == selectedColour ? 2 : 1, colour); break;
    }
}

void MapPicture::put(int column, int row, std::uint32_t colour)
{
    if (column >= 0 && row >= 0 && column < size && row < size)
        picture[static_cast<std::size_t>(row) * size + column] = colour;
}

void MapPicture::dot(float x, float z, int radius, std::uint32_t colour)
{
    const float atColumn = columnOf(x), atRow = rowOf(z);
    // Off the picture (or not a number): nothing to draw.
    if (!(atColumn > -radius - 1 && atColumn < size + radius + 1 && atRow > -radius - 1 && atRow < size + radius + 1))
        return;
    const int column = static_cast<int>(std::floor(atColumn));
    const int row = static_cast<int>(std::floor(atRow));
    for (int r = row - radius; r <= row + radius; ++r)
        for (int c = column - radius; c <= column + radius; ++c)
            put(c, r, colour);
}

void MapPicture::rectangle(const GroundBox& box, std::uint32_t colour)
{
    const float firstColumn = std::max(columnOf(box.minX), -1.0f), lastColumn = std::min(columnOf(box.maxX), size + 1.0f);
    const float firstRow = std::max(rowOf(box.minZ), -1.0f), lastRow = std::min(rowOf(box.maxZ), size + 1.0f);
    if (!(firstColumn <= lastColumn && firstRow <= lastRow))
        return;
    const int left = static_cast<int>(std::floor(firstColumn)), right = static_cast<int>(std::floor(lastColumn));
    const int top = static_cast<int>(std::floor(firstRow)), bottom = static_cast<int>(std::floor(lastRow));
    for (int c = left; c <= right; ++c) {
        put(c, top, colour);
        put(c, bottom, colour);
    }
    for (int r = top; r <= bottom; ++r) {
        put(left, r, colour);
        put(right, r, colour);
    }
}

void MapPicture::line(float x1, float z1, float x2, float z2, std::uint32_t colour)
{
    const float c1 = columnOf(x1), r1 = rowOf(z1), c2 = columnOf(x2), r2 = rowOf(z2);
    const float length = std::max(std::fabs(c2 - c1), std::fabs(r2 - r1));
    if (!std::isfinite(length))
        return;
    const int steps = std::min(static_cast<int>(std::ceil(length)), 4 * size);
    for (int i = 0; i <= steps; ++i) {
        const float t = steps == 0 ? 0 : static_cast<float>(i) / static_cast<float>(steps);
        const float column = c1 + t * (c2 - c1), row = r1 + t * (r2 - r1);
        if (column >= 0 && row >= 0 && column < size && row < size)
            put(static_cast<int>(column), static_cast<int>(row), colour);
    }
}

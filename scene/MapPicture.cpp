#include "scene/MapPicture.h"

#include <algorithm>
#include <cmath>

namespace {

const std::uint32_t plainGround = 0xFF5A8040;

}  // namespace

MapPicture::MapPicture(int side, const GroundBox& terrain)
    : size(side), terrain(terrain), pixelsPerUnitX(static_cast<float>(side) / (terrain.maxX - terrain.minX)),
      pixelsPerUnitZ(static_cast<float>(side) / (terrain.maxZ - terrain.minZ)),
      background(static_cast<std::size_t>(side) * static_cast<std::size_t>(side), plainGround), picture(background)
{
}

void MapPicture::setBackground(std::vector<std::uint32_t> pixels)
{
    if (pixels.size() == background.size())
        background = std::move(pixels);
}

float MapPicture::columnOf(float x) const { return (x - terrain.minX) * pixelsPerUnitX; }

float MapPicture::rowOf(float z) const { return (z - terrain.minZ) * pixelsPerUnitZ; }

GroundPoint MapPicture::groundAt(float u, float v) const
{
    return {terrain.minX + u * (terrain.maxX - terrain.minX), terrain.minZ + v * (terrain.maxZ - terrain.minZ)};
}

MapPicture::Mark MapPicture::markOf(const Item& item)
{
    switch (item.kind) {
    case ItemKind::Area: {
        const GroundBox box = groundBoxOf(item);
        return {item.id, item.kind, box.minX, box.minZ, box.maxX, box.maxZ};
    }
    case ItemKind::Road: return {item.id, item.kind, item.x1, item.z1, item.x2, item.z2};
    default: return {item.id, item.kind, item.x, item.z, item.x, item.z};
    }
}

void MapPicture::add(const Item& item)
{
    std::vector<Mark>& marks = item.kind == ItemKind::Area ? areas : others;
    placeOf[item.id] = marks.size();
    marks.push_back(markOf(item));
}

void MapPicture::change(const Item& before, const Item& after)
{
    if (before.kind != after.kind || before.id != after.id) {
        remove(before);
        add(after);
        return;
    }
    if (const auto found = placeOf.find(after.id); found != placeOf.end())
        (after.kind == ItemKind::Area ? areas : others)[found->second] = markOf(after);
}

void MapPicture::remove(const Item& item)
{
    const auto found = placeOf.find(item.id);
    if (found == placeOf.end())
        return;
    std::vector<Mark>& marks = item.kind == ItemKind::Area ? areas : others;
    const std::size_t place = found->second;
    placeOf.erase(found);
    // The last mark takes the place of the one that goes.
    if (place + 1 != marks.size()) {
        marks[place] = marks.back();
        placeOf[marks[place].id] = place;
    }
    marks.pop_back();
}

void MapPicture::replaceAll(const std::vector<Item>& items)
{
    areas.clear();
    others.clear();
    placeOf.clear();
    for (const Item& item : items)
        add(item);
}

void MapPicture::draw(const std::vector<Item>& selected)
{
    picture = background;
    for (const Mark& each : areas)
        mark(each, areaColour);
    for (const Mark& each : others)
        mark(each, each.kind == ItemKind::Road ? roadColour : objectColour);
    for (const Item& item : selected)
        mark(markOf(item), selectedColour);
}

void MapPicture::mark(const Mark& mark, std::uint32_t colour)
{
    switch (mark.kind) {
    case ItemKind::Area: rectangle({mark.x1, mark.z1, mark.x2, mark.z2}, colour); break;
    case ItemKind::Road: line(mark.x1, mark.z1, mark.x2, mark.z2, colour); break;
    default: dot(mark.x1, mark.z1, colour == selectedColour ? 2 : 1, colour); break;
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
    const int left = std::max(column - radius, 0), right = std::min(column + radius, size - 1);
    const int top = std::max(row - radius, 0), bottom = std::min(row + radius, size - 1);
    for (int r = top; r <= bottom; ++r) {
        std::uint32_t* line = picture.data() + static_cast<std::size_t>(r) * size;
        std::fill(line + left, line + right + 1, colour);
    }
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

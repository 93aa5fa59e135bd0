#pragma once

#include "document/Item.h"
#include "document/ItemGround.h"

#include <cstdint>
#include <unordered_map>
#include <vector>

// The top-down picture of the whole terrain that the map shows: the terrain's
// colour texture with every item drawn over it as a mark (a catalog object a
// dot, a blue area its rectangle, a road segment its line), the selected items
// in a colour of their own and drawn last. It keeps a small mark for each item,
// told of every change, so that drawing never walks the items themselves.
// Pixels are 0xAARRGGBB, row by row, the first row at the terrain's least z,
// the first column at its least x.
class MapPicture {
public:
    static constexpr std::uint32_t objectColour = 0xFFD02818;
    static constexpr std::uint32_t areaColour = 0xFF1E46FF;
    static constexpr std::uint32_t roadColour = 0xFF303030;
    static constexpr std::uint32_t selectedColour = 0xFFFFE000;

    // side: pixels a side; terrain: the ground the picture covers.
    MapPicture(int side, const GroundBox& terrain);

    // The terrain's own picture, side * side pixels; a plain colour until given.
    void setBackground(std::vector<std::uint32_t> pixels);
    // The items the marks stand for.
    void add(const Item& item);
    void change(const Item& before, const Item& after);
    void remove(const Item& item);
    void replaceAll(const std::vector<Item>& items);
    // Draws the marks over the background, the selected items' (a few) over them.
    void draw(const std::vector<Item>& selected);

    int side() const { return size; }
    const GroundBox& ground() const { return terrain; }
    const std::vector<std::uint32_t>& pixels() const { return picture; }
    std::uint32_t pixelAt(int column, int row) const { return picture[static_cast<std::size_t>(row) * size + column]; }

    // The picture's pixel coordinates (fractional) of a ground point, and back;
    // u and v from 0 to 1 across and down the picture.
    float columnOf(float x) const;
    float rowOf(float z) const;
    GroundPoint groundAt(float u, float v) const;

private:
    // What a mark needs of an item, kept small: the drawing goes over all of them.
    struct Mark {
        ItemId id;
        ItemKind kind;
        float x1, z1, x2, z2;
    };
    static Mark markOf(const Item& item);
    void mark(const Mark& mark, std::uint32_t colour);
    void dot(float x, float z, int radius, std::uint32_t colour);
    void rectangle(const GroundBox& box, std::uint32_t colour);
    void line(float x1, float z1, float x2, float z2, std::uint32_t colour);
    void put(int column, int row, std::uint32_t colour);

    int size;
    GroundBox terrain;
    float pixelsPerUnitX, pixelsPerUnitZ;
    std::vector<std::uint32_t> background;
    std::vector<std::uint32_t> picture;
    // The areas' marks apart, drawn first so that what stands in them shows.
    std::vector<Mark> areas;
    std::vector<Mark> others;
    std::unordered_map<ItemId, std::size_t> placeOf;  // in areas or others, by the item's kind
};

#pragma once

#include "document/Item.h"
#include "document/ItemGround.h"

#include <cstdint>
#include <functional>
#include <vector>

// The top-down picture of the whole terrain that the map shows: the terrain's
// colour texture with every item drawn over it as a mark (a catalog object a
// dot, a blue area its rectangle, a road segment its line), the selected items
// in a colour of their own and drawn last. Pixels are 0xAARRGGBB, row by row,
// the first row at the terrain's least z, the first column at its least x.
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
    // Draws the items over the background.
    void draw(const std::vector<Item>& items, const std::function<bool(ItemId)>& selected);

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
    void mark(const Item& item, std::uint32_t colour);
    void dot(float x, float z, int radius, std::uint32_t colour);
    void rectangle(const GroundBox& box, std::uint32_t colour);
    void line(float x1, float z1, float x2, float z2, std::uint32_t colour);
    void put(int column, int row, std::uint32_t colour);

    int size;
    GroundBox terrain;
    std::vector<std::uint32_t> background;
    std::vector<std::uint32_t> picture;
};

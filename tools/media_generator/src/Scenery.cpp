#include "Models.h"

#include <algorithm>
#include <array>

namespace media {

using Ogre::Vector2;
using Ogre::Vector3;

namespace {

void pole(Model& m, const std::string& material, float radius, float height) {
    m.frustum(material, radius, radius * 0.85f, 0, height, 8);
}

// Block letters on a sign face: strokes given in a 3 x 5 cell grid, drawn from (x, y) upwards.
void letterStrokes(Model& m, const std::vector<std::array<float, 4>>& strokes, float x, float y, float cell, float z) {
    for (const auto& s : strokes)
        m.box("Model/White", {x + s[0] * cell, y + s[1] * cell, z}, {x + s[2] * cell, y + s[3] * cell, z + 0.03f});
}

}  // namespace

Model road() {
    // Unscaled 4 wide and 11 long; the editor scales a segment by (2, 0.1, length / 11) and puts it 1 above
    // the ground, so the slab reaches from 0.1 to 1.1 and the deck is 8 wide: two lanes for the cars.
    Model m;
    m.box("Model/Kerb", {-2.0f, -9.0f, -5.5f}, {2.0f, 0.6f, 5.5f});
    m.box("Model/Asphalt", {-2.0f, 0.6f, -5.5f}, {2.0f, 1.0f, 5.5f});
    return m;
}

Model stopSign() {
    Model m;
    pole(m, "Model/Metal", 0.17f, 7.4f);
    const float centre = 7.6f;
    m.prism("Model/White", regularPolygon(8, 1.8f, 22.5f), -0.06f, 0.06f, translation(0, centre, 0.2f));
    m.prism("Model/SignRed", regularPolygon(8, 1.58f, 22.5f), 0.06f, 0.1f, translation(0, centre, 0.2f));
    const float cell = 0.14f, z = 0.3f, y = centre - 2.5f * cell;
    using S = std::array<float, 4>;
    letterStrokes(m, {S{0, 0, 1, 5}, S{1, 4, 2, 5}, S{1, 0, 2, 1}, S{2, 1, 3, 4}}, -5.5f * cell, y, cell, z);  // D
    letterStrokes(m, {S{0, 0, 1, 5}, S{2, 0, 3, 5}, S{1, 0, 2, 1}}, -1.5f * cell, y, cell, z);                // U
    letterStrokes(m, {S{0, 0, 1, 5}, S{1, 4, 2, 5}, S{2, 2.6f, 3, 4.4f}, S{1, 2, 2, 3}, S{1.7f, 0, 2.7f, 2}},
                  2.5f * cell, y, cell, z);  // R
    return m;
}

Model trafficLight() {
    Model m;
    pole(m, "Model/DarkMetal", 0.22f, 7.2f);
    m.box("Model/Black", {-0.85f, 7.0f, -0.6f}, {0.85f, 11.4f, 0.6f});
    const char* lamps[] = {"Model/LampRed", "Model/LampYellow", "Model/LampGreen"};
    for (int i = 0; i < 3; ++i) {
        float y = 10.6f - i * 1.33f;
        m.frustum(lamps[i], 0.52f, 0.52f, 0.6f, 0.72f, 12, translation(0, y, 0) * rotationX(90));
        m.box("Model/Black", {-0.65f, y + 0.5f, 0.6f}, {0.65f, y + 0.6f, 1.1f});  // visor
    }
    return m;
}

Model crossingSign() {
    Model m;
    pole(m, "Model/Metal", 0.17f, 7.0f);
    const float cy = 8.0f, front = 0.28f;
    m.box("Model/SignBlue", {-1.5f, cy - 1.5f, 0.1f}, {1.5f, cy + 1.5f, 0.22f});
    m.prism("Model/White", {{-1.2f, -0.95f}, {1.2f, -0.95f}, {0, 1.15f}}, 0.22f, 0.26f, translation(0, cy, 0));
    // A walking figure on stripes.
    auto limb = [&](Vector2 a, Vector2 b) { m.beam("Model/Black", {a.x, cy + a.y, front}, {b.x, cy + b.y, front}, 0.11f); };
    limb({0, -0.05f}, {0.05f, 0.45f});
    limb({0, -0.05f}, {-0.25f, -0.55f});
    limb({0, -0.05f}, {0.22f, -0.55f});
    limb({0.05f, 0.35f}, {-0.22f, 0.05f});
    limb({0.05f, 0.35f}, {0.3f, 0.1f});
    m.sphere("Model/Black", 0.12f, 4, 6, translation(0.08f, cy + 0.62f, front));
    for (int i = 0; i < 3; ++i) {
        float x = -0.65f + i * 0.5f;
        m.box("Model/Black", {x, cy - 0.82f, 0.26f}, {x + 0.3f, cy - 0.66f, 0.3f});
    }
    return m;
}

Model broadleafTree() {
    Model m;
    m.frustum("Model/Bark", 0.95f, 0.6f, 0, 9.5f, 8);
    m.sphere("Model/Leaves", 4.6f, 6, 10, translation(0, 11.5f, 0));
    m.sphere("Model/Leaves", 3.6f, 6, 10, translation(2.4f, 14.0f, 0.8f));
    m.sphere("Model/Leaves", 3.4f, 6, 10, translation(-2.2f, 13.6f, -0.7f));
    m.sphere("Model/Leaves", 3.0f, 6, 10, translation(0, 16.2f, 0));
    return m;
}

Model pineTree() {
    Model m;
    m.frustum("Model/Bark", 0.75f, 0.5f, 0, 6.0f, 8);
    m.frustum("Model/Needles", 5.6f, 0, 4.0f, 12.5f, 10);
    m.frustum("Model/Needles", 4.5f, 0, 8.5f, 17.0f, 10);
    m.frustum("Model/Needles", 3.3f, 0, 13.0f, 22.0f, 10);
    return m;
}

Model house() {
    Model m;
    m.box("Model/Wall", {-8, 0, -6}, {8, 9, 6});
    m.prism("Model/RoofTile", {{-9, 9}, {9, 9}, {0, 15}}, -7, 7);
    m.box("Model/RoofTile", {4, 10, -2.5f}, {5.6f, 16, -0.9f});
    m.box("Model/Wood", {-1.3f, 0, 6}, {1.3f, 4.8f, 6.15f});
    for (float x : {-5.0f, 5.0f}) {
        m.box("Model/White", {x - 1.9f, 4.0f, 6}, {x + 1.9f, 7.1f, 6.1f});
        m.box("Model/Glass", {x - 1.6f, 4.3f, 6}, {x + 1.6f, 6.8f, 6.16f});
    }
    for (float side : {-1.0f, 1.0f}) {
        float x0 = 8 * side, x1 = 8.1f * side;
        m.box("Model/White", {std::min(x0, x1), 4.0f, -1.9f}, {std::max(x0, x1), 7.1f, 1.9f});
        float g0 = 8 * side, g1 = 8.16f * side;
        m.box("Model/Glass", {std::min(g0, g1), 4.3f, -1.6f}, {std::max(g0, g1), 6.8f, 1.6f});
    }
    return m;
}

Model fence() {
    Model m;
    for (int i = 0; i <= 8; ++i) {
        float x = -8 + i * 2.0f;
        m.box("Model/White", {x - 0.22f, 0, -0.22f}, {x + 0.22f, 3.6f, 0.22f});
        m.prism("Model/White", {{-0.22f, 0}, {0.22f, 0}, {0, 0.45f}}, -0.22f, 0.22f, translation(x, 3.6f, 0));
    }
    m.box("Model/White", {-8, 0.9f, 0.22f}, {8, 1.4f, 0.4f});
    m.box("Model/White", {-8, 2.4f, 0.22f}, {8, 2.9f, 0.4f});
    return m;
}

Model flag() {
    Model m;
    pole(m, "Model/Metal", 0.2f, 14.0f);
    m.sphere("Model/Metal", 0.35f, 4, 8, translation(0, 14.2f, 0));
    m.box("Model/Flag", {0.2f, 9.0f, -0.05f}, {7.4f, 13.8f, 0.05f});
    return m;
}

Model tent() {
    Model m;
    m.prism("Model/Tent", {{-4.5f, 0}, {4.5f, 0}, {0, 5.6f}}, -5.0f, 5.0f);
    m.prism("Model/Black", {{-1.6f, 0}, {1.6f, 0}, {0, 3.8f}}, 5.0f, 5.06f);
    m.beam("Model/Wood", {0, 5.3f, 5.0f}, {0, 6.4f, 5.0f}, 0.18f);
    return m;
}

Model markedArea() {
    // A 2 x 2 x 2 cube; the editor scales it to (width / 2, 0.1, depth / 2).
    Model m;
    m.box("Model/MarkedArea", {-1, -1, -1}, {1, 1, 1});
    return m;
}

}  // namespace media

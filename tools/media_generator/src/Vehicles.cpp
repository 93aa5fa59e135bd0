#include "Models.h"

#include <algorithm>
#include <cmath>

namespace media {

using Ogre::Vector3;

namespace {

// A wheel with a hub on both sides, its axle along z.
void wheel(Model& m, float x, float radius, float z, float width) {
    Ogre::Affine3 axle = translation(x, radius, z) * rotationX(90);
    m.frustum("Model/Tyre", radius, radius, -width / 2, width / 2, 14, axle);
    m.frustum("Model/Metal", radius * 0.5f, radius * 0.5f, -width / 2 - 0.05f, width / 2 + 0.05f, 10, axle);
}

void wheelPair(Model& m, float x, float radius, float halfTrack, float width) {
    wheel(m, x, radius, halfTrack, width);
    wheel(m, x, radius, -halfTrack, width);
}

void lamps(Model& m, float frontX, float rearX, float y0, float y1, float z0, float z1) {
    for (float side : {-1.0f, 1.0f}) {
        Vector3 lo(0, y0, std::min(z0 * side, z1 * side)), hi(0, y1, std::max(z0 * side, z1 * side));
        m.box("Model/Headlight", {frontX, lo.y, lo.z}, {frontX + 0.08f, hi.y, hi.z});
        m.box("Model/LampRed", {rearX - 0.08f, lo.y, lo.z}, {rearX, hi.y, hi.z});
    }
}

}  // namespace

Model car() {
    Model m;
    m.box("Model/CarRed", {-6, 1.0f, -2.5f}, {6, 3.3f, 2.5f});
    m.prism("Model/Glass", {{-4.4f, 3.3f}, {2.6f, 3.3f}, {1.0f, 5.3f}, {-3.6f, 5.3f}}, -2.25f, 2.25f);
    m.box("Model/CarRed", {-3.7f, 5.3f, -2.3f}, {1.1f, 5.55f, 2.3f});
    // Pillar between the two side windows.
    m.box("Model/CarRed", {-1.2f, 3.3f, -2.3f}, {-0.8f, 5.3f, 2.3f});
    lamps(m, 6, -6, 2.3f, 2.9f, 1.3f, 2.1f);
    wheelPair(m, -3.8f, 1.2f, 2.35f, 0.9f);
    wheelPair(m, 3.8f, 1.2f, 2.35f, 0.9f);
    return m;
}

Model bus() {
    Model m;
    m.box("Model/BusYellow", {-12, 1.1f, -3}, {12, 8.2f, 3});
    m.box("Model/White", {-12, 8.2f, -2.8f}, {12, 8.5f, 2.8f});
    m.box("Model/Glass", {-11, 4.6f, -3.06f}, {10.2f, 7.2f, 3.06f});
    m.box("Model/Glass", {11.9f, 3.8f, -2.6f}, {12.06f, 7.6f, 2.6f});
    // Door at the front of the kerb side.
    m.box("Model/Glass", {7.6f, 1.5f, 2.95f}, {9.8f, 7.2f, 3.08f});
    for (float x = -8.0f; x < 7.0f; x += 3.6f) m.box("Model/BusYellow", {x, 4.6f, -3.1f}, {x + 0.35f, 7.2f, 3.1f});
    lamps(m, 12, -12, 2.0f, 2.8f, 1.8f, 2.7f);
    wheelPair(m, -7.5f, 1.5f, 2.75f, 1.0f);
    wheelPair(m, 7.0f, 1.5f, 2.75f, 1.0f);
    return m;
}

Model truck() {
    Model m;
    m.box("Model/DarkMetal", {-11, 1.3f, -2.6f}, {11, 2.2f, 2.6f});
    m.box("Model/Cargo", {-11, 2.2f, -3}, {5.6f, 9.2f, 3});
    m.box("Model/TruckBlue", {6, 1.3f, -2.9f}, {11, 7.2f, 2.9f});
    m.box("Model/Glass", {10.95f, 4.3f, -2.5f}, {11.08f, 6.7f, 2.5f});
    m.box("Model/Glass", {7.2f, 4.3f, -2.98f}, {10.2f, 6.7f, 2.98f});
    lamps(m, 11, -11, 2.2f, 2.9f, 1.7f, 2.6f);
    wheelPair(m, -8.0f, 1.4f, 2.5f, 1.1f);
    wheelPair(m, -4.8f, 1.4f, 2.5f, 1.1f);
    wheelPair(m, 8.3f, 1.4f, 2.5f, 1.1f);
    return m;
}

Model bicycle() {
    Model m;
    const float r = 1.5f, tyre = 0.28f, hubY = r + tyre / 2;
    for (float cx : {-2.1f, 2.1f}) {
        const int segments = 16;
        for (int i = 0; i < segments; ++i) {
            float a0 = Ogre::Math::TWO_PI * i / segments, a1 = Ogre::Math::TWO_PI * (i + 1) / segments;
            m.beam("Model/Tyre", {cx + r * std::cos(a0), hubY + r * std::sin(a0), 0},
                   {cx + r * std::cos(a1), hubY + r * std::sin(a1), 0}, tyre);
        }
        for (int i = 0; i < 4; ++i) {
            float a = Ogre::Math::PI * i / 4;
            Vector3 d(std::cos(a) * (r - 0.1f), std::sin(a) * (r - 0.1f), 0);
            m.beam("Model/Metal", Vector3(cx, hubY, 0) - d, Vector3(cx, hubY, 0) + d, 0.06f);
        }
    }
    const Vector3 rearHub(-2.1f, hubY, 0), frontHub(2.1f, hubY, 0), crank(-0.2f, 1.5f, 0);
    const Vector3 seatTop(-0.8f, 3.3f, 0), head(1.5f, 3.3f, 0);
    m.beam("Model/BikeFrame", rearHub, crank, 0.2f);
    m.beam("Model/BikeFrame", rearHub, seatTop, 0.2f);
    m.beam("Model/BikeFrame", crank, seatTop, 0.22f);
    m.beam("Model/BikeFrame", seatTop, head, 0.22f);
    m.beam("Model/BikeFrame", crank, head, 0.22f);
    m.beam("Model/BikeFrame", head, frontHub, 0.2f);
    m.box("Model/Black", {-1.35f, 3.3f, -0.25f}, {-0.35f, 3.55f, 0.25f});
    m.beam("Model/BikeFrame", head, {1.35f, 4.0f, 0}, 0.18f);
    m.beam("Model/Black", {1.35f, 4.0f, -0.9f}, {1.35f, 4.0f, 0.9f}, 0.16f);
    m.beam("Model/Black", crank - Vector3(0.5f, 0.5f, -0.3f), crank + Vector3(0.5f, 0.5f, 0.3f), 0.12f);
    return m;
}

}  // namespace media

#include "Models.h"

#include <algorithm>

namespace media {

using Ogre::Vector3;

namespace {

struct Figure {
    float scale = 1;
    std::string shirt, trousers, hair;
    bool shortTrousers = false;  // bare knees below the trousers
    bool dress = false;          // a flared skirt instead of trousers
    bool longHair = false;
    std::string cap;             // a peaked cap in this material when set
};

// A standing person about 7.3 units tall (at scale 1), arms at the sides.
Model figure(const Figure& f) {
    Model m;
    const Ogre::Affine3 s(Vector3::ZERO, Ogre::Quaternion::IDENTITY, Vector3(f.scale));
    auto box = [&](const std::string& mat, Vector3 a, Vector3 b) { m.box(mat, a, b, s); };
    for (float side : {-1.0f, 1.0f}) {
        float inner = 0.1f * side, outer = 0.72f * side;
        Vector3 lo(std::min(inner, outer), 0, -0.32f), hi(std::max(inner, outer), 0, 0.32f);
        box("Model/Shoes", {lo.x, 0, -0.32f}, {hi.x, 0.35f, 0.6f});
        if (f.dress) {
            box("Model/Skin", {lo.x + 0.08f, 0.35f, -0.22f}, {hi.x - 0.08f, 2.2f, 0.22f});
        } else if (f.shortTrousers) {
            box("Model/Skin", {lo.x + 0.05f, 0.35f, -0.27f}, {hi.x - 0.05f, 2.0f, 0.27f});
            box(f.trousers, {lo.x, 2.0f, -0.32f}, {hi.x, 3.45f, 0.32f});
        } else {
            box(f.trousers, {lo.x, 0.35f, -0.32f}, {hi.x, 3.45f, 0.32f});
        }
        // Sleeve, then the bare forearm and hand below it.
        float armIn = 0.92f * side, armOut = 1.38f * side;
        box(f.shirt, {std::min(armIn, armOut), 4.55f, -0.25f}, {std::max(armIn, armOut), 5.8f, 0.25f});
        box("Model/Skin", {std::min(armIn, armOut) + 0.03f, 3.15f, -0.21f},
            {std::max(armIn, armOut) - 0.03f, 4.55f, 0.21f});
    }
    if (f.dress) {
        m.frustum(f.shirt, 1.35f, 0.85f, 1.9f, 4.0f, 10, s);
        box(f.shirt, {-0.9f, 3.9f, -0.45f}, {0.9f, 5.85f, 0.45f});
    } else {
        box(f.shirt, {-0.92f, 3.35f, -0.45f}, {0.92f, 5.85f, 0.45f});
    }
    box("Model/Skin", {-0.22f, 5.8f, -0.2f}, {0.22f, 6.15f, 0.2f});
    m.sphere("Model/Skin", 0.68f, 6, 10, s * translation(0, 6.7f, 0.02f));
    m.sphere(f.hair, 0.72f, 6, 10,
             s * Ogre::Affine3(Vector3(0, 6.85f, -0.1f), Ogre::Quaternion::IDENTITY, Vector3(1, 0.75f, 1)));
    if (f.longHair) box(f.hair, {-0.72f, 5.2f, -0.62f}, {0.72f, 6.9f, -0.2f});
    if (!f.cap.empty()) {
        m.frustum(f.cap, 0.74f, 0.8f, 6.95f, 7.55f, 10, s);
        box(f.cap, {-0.55f, 6.95f, 0.3f}, {0.55f, 7.05f, 1.05f});
        m.frustum("Model/White", 0.76f, 0.76f, 7.05f, 7.2f, 10, s);
    }
    return m;
}

}  // namespace

Model man() {
    return figure({1.0f, "Model/GreenShirt", "Model/Jeans", "Model/Hair", false, false, false, ""});
}

Model woman() {
    return figure({0.96f, "Model/RedDress", "", "Model/BlondHair", false, true, true, ""});
}

Model child() {
    return figure({0.62f, "Model/YellowShirt", "Model/RedShorts", "Model/Hair", true, false, false, ""});
}

Model policeOfficer() {
    return figure({1.03f, "Model/Uniform", "Model/Uniform", "Model/Hair", false, false, false, "Model/Uniform"});
}

}  // namespace media

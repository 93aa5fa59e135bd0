#include "AppIcon.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <stdexcept>

namespace media {
namespace {

constexpr int samplesPerAxis = 4;

constexpr float tileMargin = 0.03f;

// Inside a rounded square a margin within the unit square, with corner radius r.
bool insideTile(float x, float y, float r)
{
    const float cx = std::clamp(x, tileMargin + r, 1 - tileMargin - r);
    const float cy = std::clamp(y, tileMargin + r, 1 - tileMargin - r);
    return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r;
}

float hillHeight(float x)
{
    return 0.62f - 0.10f * std::sin(x * 3.1f + 0.4f) - 0.04f * std::sin(x * 7.3f);
}

// The icon's colour at a point of the unit square (y grows downwards).
Colour iconColour(float x, float y)
{
    if (!insideTile(x, y, 0.18f))
        return {0, 0, 0, 0};
    const Colour skyTop{0.20f, 0.45f, 0.80f, 1};
    const Colour skyLow{0.62f, 0.80f, 0.95f, 1};
    const Colour grass{0.28f, 0.62f, 0.22f, 1};
    const Colour grassDark{0.16f, 0.42f, 0.14f, 1};
    const Colour trunk{0.45f, 0.28f, 0.12f, 1};
    const Colour crown{0.10f, 0.38f, 0.12f, 1};
    const Colour area{0.24f, 0.43f, 0.63f, 1};

    // Tree on the hill, left of centre.
    const float treeX = 0.32f;
    const float ground = hillHeight(treeX);
    const float crownY = ground - 0.22f;
    if (std::hypot(x - treeX, (y - crownY) * 0.85f) < 0.12f)
        return mix(crown, grass, 0.25f * (1 - (y - crownY + 0.12f) / 0.24f));
    if (std::fabs(x - treeX) < 0.025f && y > crownY && y < ground + 0.02f)
        return trunk;

    const float horizon = hillHeight(x);
    if (y < horizon)
        return mix(skyTop, skyLow, std::clamp(y / horizon, 0.0f, 1.0f));

    // A blue area marked on the ground, in perspective.
    const float depth = (y - 0.70f) / 0.20f;
    if (depth > 0 && depth < 1) {
        const float half = 0.10f + 0.08f * depth;
        if (std::fabs(x - 0.66f) < half)
            return area;
    }
    return mix(grass, grassDark, std::clamp((y - horizon) * 2.5f, 0.0f, 1.0f));
}

}  // namespace

const std::vector<int>& appIconSizes()
{
    static const std::vector<int> sizes{16, 22, 24, 32, 48, 64, 128, 256};
    return sizes;
}

Image paintAppIcon(int size)
{
    Image icon(size, size, {0, 0, 0, 0});
    const float weight = 1.0f / (samplesPerAxis * samplesPerAxis);
    for (int py = 0; py < size; ++py)
        for (int px = 0; px < size; ++px) {
            // Alpha-weighted average of the samples, so the tile's rim blends cleanly.
            Colour sum{0, 0, 0, 0};
            for (int sy = 0; sy < samplesPerAxis; ++sy)
                for (int sx = 0; sx < samplesPerAxis; ++sx) {
                    const float x = (px + (sx + 0.5f) / samplesPerAxis) / size;
                    const float y = (py + (sy + 0.5f) / samplesPerAxis) / size;
                    const Colour c = iconColour(x, y);
                    sum.r += c.r * c.a;
                    sum.g += c.g * c.a;
                    sum.b += c.b * c.a;
                    sum.a += c.a;
                }
            Colour& out = icon.at(px, py);
            out.a = sum.a * weight;
            if (sum.a > 0) {
                out.r = sum.r / sum.a;
                out.g = sum.g / sum.a;
                out.b = sum.b / sum.a;
            }
        }
    return icon;
}

void writeAppIcons(const std::string& themeDir)
{
    for (int size : appIconSizes()) {
        const std::string sizeDir = themeDir + "/" + std::to_string(size) + "x" + std::to_string(size);
        const Image icon = paintAppIcon(size);
        // Scenario files show the same picture as the application.
        for (const char* place : {"/apps/sahne.png", "/mimetypes/application-x-sahne-scenario.png"}) {
            const std::filesystem::path path = sizeDir + place;
            std::error_code error;
            std::filesystem::create_directories(path.parent_path(), error);
            if (error)
                throw std::runtime_error("cannot create " + path.parent_path().string() + ": " + error.message());
            icon.savePng(path.string(), Image::Channels::Rgba);
        }
    }
}

}  // namespace media

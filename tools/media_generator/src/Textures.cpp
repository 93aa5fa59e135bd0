#include "Textures.h"

#include "Noise.h"

#include <cmath>

namespace media {

Image makeAsphaltTexture(int width, int height) {
    const ValueNoise grain(555);
    const Colour white{0.93f, 0.93f, 0.90f};
    const int dashes = 4;
    Image image(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            float u = (x + 0.5f) / width, v = (y + 0.5f) / height;
            float g = 0.27f + 0.08f * grain.fractal(x / 3.0f, y / 3.0f, 3);
            Colour c{g, g, g * 1.03f};
            bool kerbLine = std::fabs(u - 0.06f) < 0.02f || std::fabs(u - 0.94f) < 0.02f;
            float phase = v * dashes - std::floor(v * dashes);
            bool centreDash = std::fabs(u - 0.5f) < 0.025f && phase > 0.2f && phase < 0.8f;
            image.at(x, y) = kerbLine || centreDash ? white : c;
        }
    }
    return image;
}

Image makeFlagTexture(int width, int height) {
    const Colour red{0.89f, 0.04f, 0.09f}, white{1, 1, 1};
    Image image(width, height, red);
    const float h = static_cast<float>(height);
    // Proportions of the crescent and star relative to the flag's height.
    const float outerX = 0.5f * h, outerR = 0.25f * h;
    const float innerX = 0.5625f * h, innerR = 0.2f * h;
    const float starX = 0.8f * h, starR = 0.125f * h;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            float px = x + 0.5f, py = y + 0.5f - h / 2;
            bool crescent = std::hypot(px - outerX, py) < outerR && std::hypot(px - innerX, py) >= innerR;
            // Five-pointed star with one point towards the hoist: inside if within the star's radius at this angle.
            float dx = px - starX, dy = py;
            float angle = std::atan2(dy, dx) + static_cast<float>(M_PI);
            float sector = std::fmod(angle, 2 * static_cast<float>(M_PI) / 5) / (2 * static_cast<float>(M_PI) / 5);
            float t = std::fabs(sector - 0.5f) * 2;  // 1 at a point, 0 between points
            float limit = starR * (0.38f + 0.62f * t);
            bool star = std::hypot(dx, dy) < limit;
            if (crescent || star) image.at(x, y) = white;
        }
    }
    return image;
}

}  // namespace media

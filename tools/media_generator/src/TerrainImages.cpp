#include "TerrainImages.h"

#include "Noise.h"

#include <algorithm>
#include <cmath>

namespace media {

namespace {

float smoothstep(float edge0, float edge1, float x) {
    float t = std::clamp((x - edge0) / (edge1 - edge0), 0.0f, 1.0f);
    return t * t * (3 - 2 * t);
}

float worldX(const TerrainConfig& c, float u) { return (u - 0.5f) * c.pageWorldX; }
float worldZ(const TerrainConfig& c, float v) { return (v - 0.5f) * c.pageWorldZ; }

}  // namespace

TerrainShape::TerrainShape(const TerrainConfig& config)
    : halfX_(config.pageWorldX / 2), halfZ_(config.pageWorldZ / 2) {}

float TerrainShape::heightAt(float x, float z) const {
    static const ValueNoise hills(1201);
    float radius = std::sqrt(x * x + z * z);
    float rise = smoothstep(flatRadius, flatRadius + 320.0f, radius);
    float edge = smoothstep(0.7f, 1.0f, std::max(std::fabs(x) / halfX_, std::fabs(z) / halfZ_));
    // Squaring the noise leaves broad low valleys between separate hills.
    float relief = smoothstep(0.25f, 0.85f, hills.fractal(x / 260.0f + 17.0f, z / 260.0f + 5.0f, 4));
    float height = rise * (0.08f + 0.8f * relief * relief) + edge * 0.2f;
    return std::clamp(height, 0.0f, 1.0f);
}

Image makeHeightmap(const TerrainConfig& config, const TerrainShape& shape) {
    const int n = config.pageSize;
    Image image(n, n);
    for (int j = 0; j < n; ++j) {
        for (int i = 0; i < n; ++i) {
            float h = shape.heightAt(worldX(config, i / float(n - 1)), worldZ(config, j / float(n - 1)));
            image.at(i, j) = {h, h, h, 1};
        }
    }
    return image;
}

Image makeWorldTexture(const TerrainConfig& config, const TerrainShape& shape, int size) {
    static const ValueNoise tint(77), patches(311), speckle(9001);
    const Colour grass{0.30f, 0.50f, 0.18f}, lushGrass{0.22f, 0.44f, 0.14f};
    const Colour dryGrass{0.55f, 0.55f, 0.27f}, earth{0.47f, 0.36f, 0.22f};
    const float texel = config.pageWorldX / size;
    Image image(size, size);
    for (int j = 0; j < size; ++j) {
        for (int i = 0; i < size; ++i) {
            float x = worldX(config, (i + 0.5f) / size), z = worldZ(config, (j + 0.5f) / size);
            float h = shape.heightAt(x, z);
            // Light from the upper left gives the hills some relief in the flat picture too.
            float dx = (shape.heightAt(x + texel, z) - shape.heightAt(x - texel, z)) * config.maxHeight / (2 * texel);
            float dz = (shape.heightAt(x, z + texel) - shape.heightAt(x, z - texel)) * config.maxHeight / (2 * texel);
            float light = std::clamp(1.0f - 0.45f * (dx + dz), 0.7f, 1.2f);

            Colour c = mix(lushGrass, grass, tint.fractal(x / 90.0f, z / 90.0f, 4));
            c = mix(c, dryGrass, smoothstep(0.3f, 0.85f, h) * 0.85f);
            float patch = patches.fractal(x / 60.0f + 3.0f, z / 60.0f + 8.0f, 4);
            c = mix(c, earth, smoothstep(0.66f, 0.78f, patch) * 0.6f);
            c = scaled(c, light * (0.94f + 0.12f * speckle.at(x / 12.0f, z / 12.0f)));
            image.at(i, j) = c;
        }
    }
    return image;
}

Image makeDetailTexture(int size) {
    const int period = 16;
    const ValueNoise grain(4242, period);
    Image image(size, size);
    for (int j = 0; j < size; ++j) {
        for (int i = 0; i < size; ++i) {
            float g = grain.fractal(i * float(period) / size, j * float(period) / size, 4);
            float v = 0.72f + 0.28f * g;
            image.at(i, j) = {v, v, v, 1};
        }
    }
    return image;
}

Image makeCloudTexture(int size) {
    const int period = 4;
    const ValueNoise clouds(2024, period);
    const Colour sky{0.36f, 0.57f, 0.88f}, cloud{0.97f, 0.97f, 1.0f};
    Image image(size, size);
    for (int j = 0; j < size; ++j) {
        for (int i = 0; i < size; ++i) {
            float n = clouds.fractal(i * float(period) / size, j * float(period) / size, 6);
            image.at(i, j) = mix(sky, cloud, smoothstep(0.45f, 0.75f, n));
        }
    }
    return image;
}

}  // namespace media

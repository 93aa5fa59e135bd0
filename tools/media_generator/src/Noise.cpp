#include "Noise.h"

#include <cmath>

namespace media {

namespace {

uint32_t hash(uint32_t x) {
    x ^= x >> 16;
    x *= 0x7feb352dU;
    x ^= x >> 15;
    x *= 0x846ca68bU;
    x ^= x >> 16;
    return x;
}

float smooth(float t) { return t * t * (3 - 2 * t); }

}  // namespace

float ValueNoise::lattice(int x, int y, int period) const {
    if (period > 0) {
        x = ((x % period) + period) % period;
        y = ((y % period) + period) % period;
    }
    uint32_t h = hash(seed_ ^ hash(static_cast<uint32_t>(x) ^ hash(static_cast<uint32_t>(y) + 0x9e3779b9U)));
    return static_cast<float>(h & 0xffffffU) / static_cast<float>(0xffffffU);
}

float ValueNoise::at(float x, float y, int period) const {
    float fx = std::floor(x), fy = std::floor(y);
    int ix = static_cast<int>(fx), iy = static_cast<int>(fy);
    float tx = smooth(x - fx), ty = smooth(y - fy);
    float a = lattice(ix, iy, period), b = lattice(ix + 1, iy, period);
    float c = lattice(ix, iy + 1, period), d = lattice(ix + 1, iy + 1, period);
    float top = a + (b - a) * tx;
    float bottom = c + (d - c) * tx;
    return top + (bottom - top) * ty;
}

float ValueNoise::at(float x, float y) const { return at(x, y, period_); }

float ValueNoise::fractal(float x, float y, int octaves) const {
    float sum = 0, weight = 1, total = 0, frequency = 1;
    for (int i = 0; i < octaves; ++i) {
        sum += at(x * frequency, y * frequency, period_ * static_cast<int>(frequency)) * weight;
        total += weight;
        weight *= 0.5f;
        frequency *= 2;
    }
    return sum / total;
}

}  // namespace media

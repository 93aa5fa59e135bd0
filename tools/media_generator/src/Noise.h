#pragma once

#include <cstdint>

namespace media {

// Deterministic value noise: the same seed and coordinates give the same value on every machine.
class ValueNoise {
public:
    // A period > 0 makes the noise repeat every `period` units in x and y (for tiling textures).
    explicit ValueNoise(uint32_t seed, int period = 0) : seed_(seed), period_(period) {}

    // Smoothly interpolated lattice noise in 0..1.
    float at(float x, float y) const;

    // Sum of `octaves` layers, each of double frequency and half weight; normalised to 0..1.
    // With a period the frequency doubling keeps the pattern tileable.
    float fractal(float x, float y, int octaves) const;

private:
    float lattice(int x, int y, int period) const;
    float at(float x, float y, int period) const;

    uint32_t seed_;
    int period_;
};

}  // namespace media

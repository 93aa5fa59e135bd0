#pragma once

#include <string>
#include <vector>

namespace media {

// A colour with straight (not premultiplied) alpha, channels 0..1.
struct Colour {
    float r = 0, g = 0, b = 0, a = 1;
};

Colour mix(const Colour& a, const Colour& b, float t);
Colour scaled(const Colour& c, float factor);

// A floating-point RGBA picture that the generators paint into.
class Image {
public:
    Image() = default;
    Image(int width, int height, Colour fill = {});

    int width() const { return width_; }
    int height() const { return height_; }
    Colour& at(int x, int y) { return pixels_[static_cast<size_t>(y) * width_ + x]; }
    const Colour& at(int x, int y) const { return pixels_[static_cast<size_t>(y) * width_ + x]; }

    // Bilinear lookup with wrap-around, u and v in texture space (0..1 covers the picture once).
    Colour sample(float u, float v) const;

    // Box-filtered reduction by an integer factor; colours are averaged weighted by alpha.
    Image downsampled(int factor) const;

    enum class Channels { Grey = 1, Rgb = 3, Rgba = 4 };
    // Writes an 8-bit PNG; throws std::runtime_error when the file cannot be written.
    void savePng(const std::string& path, Channels channels) const;
    // Reads an 8-bit PNG of any colour type; throws std::runtime_error on failure.
    static Image loadPng(const std::string& path);

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<Colour> pixels_;
};

}  // namespace media

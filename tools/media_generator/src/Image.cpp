#include "Image.h"

#include <png.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>
#include <stdexcept>

namespace media {

Colour mix(const Colour& a, const Colour& b, float t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t, a.a + (b.a - a.a) * t};
}

Colour scaled(const Colour& c, float factor) { return {c.r * factor, c.g * factor, c.b * factor, c.a}; }

Image::Image(int width, int height, Colour fill)
    : width_(width), height_(height), pixels_(static_cast<size_t>(width) * height, fill) {}

Colour Image::sample(float u, float v) const {
    float x = u * width_ - 0.5f;
    float y = v * height_ - 0.5f;
    float fx = std::floor(x), fy = std::floor(y);
    float tx = x - fx, ty = y - fy;
    auto wrap = [](int i, int n) { return ((i % n) + n) % n; };
    int x0 = wrap(static_cast<int>(fx), width_), x1 = wrap(static_cast<int>(fx) + 1, width_);
    int y0 = wrap(static_cast<int>(fy), height_), y1 = wrap(static_cast<int>(fy) + 1, height_);
    return mix(mix(at(x0, y0), at(x1, y0), tx), mix(at(x0, y1), at(x1, y1), tx), ty);
}

Image Image::downsampled(int factor) const {
    Image out(width_ / factor, height_ / factor);
    for (int y = 0; y < out.height_; ++y) {
        for (int x = 0; x < out.width_; ++x) {
            Colour sum{0, 0, 0, 0};
            for (int j = 0; j < factor; ++j) {
                for (int i = 0; i < factor; ++i) {
                    const Colour& c = at(x * factor + i, y * factor + j);
                    sum.r += c.r * c.a;
                    sum.g += c.g * c.a;
                    sum.b += c.b * c.a;
                    sum.a += c.a;
                }
            }
            Colour& o = out.at(x, y);
            o.a = sum.a / (factor * factor);
            if (sum.a > 0) o = {sum.r / sum.a, sum.g / sum.a, sum.b / sum.a, o.a};
            else o = {1, 1, 1, 0};
        }
    }
    return out;
}

namespace {

png_byte toByte(float v) { return static_cast<png_byte>(std::lround(std::clamp(v, 0.0f, 1.0f) * 255.0f)); }

struct FileCloser {
    void operator()(FILE* f) const { std::fclose(f); }
};

}  // namespace

void Image::savePng(const std::string& path, Channels channels) const {
    std::unique_ptr<FILE, FileCloser> file(std::fopen(path.c_str(), "wb"));
    if (!file) throw std::runtime_error("cannot write " + path);
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        throw std::runtime_error("cannot encode " + path);
    }
    png_init_io(png, file.get());
    int type = channels == Channels::Grey ? PNG_COLOR_TYPE_GRAY
             : channels == Channels::Rgb  ? PNG_COLOR_TYPE_RGB
                                          : PNG_COLOR_TYPE_RGBA;
    png_set_IHDR(png, info, width_, height_, 8, type, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    const int n = static_cast<int>(channels);
    std::vector<png_byte> row(static_cast<size_t>(width_) * n);
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            const Colour& c = at(x, y);
            png_byte* p = &row[static_cast<size_t>(x) * n];
            if (channels == Channels::Grey) {
                p[0] = toByte(c.r);
                continue;
            }
            p[0] = toByte(c.r);
            p[1] = toByte(c.g);
            p[2] = toByte(c.b);
            if (channels == Channels::Rgba) p[3] = toByte(c.a);
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
}

Image Image::loadPng(const std::string& path) {
    std::unique_ptr<FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file) throw std::runtime_error("cannot open " + path);
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        throw std::runtime_error("cannot decode " + path);
    }
    png_init_io(png, file.get());
    png_read_info(png, info);
    png_set_expand(png);
    png_set_strip_16(png);
    png_set_gray_to_rgb(png);
    png_set_add_alpha(png, 0xff, PNG_FILLER_AFTER);
    png_read_update_info(png, info);
    Image image(static_cast<int>(png_get_image_width(png, info)), static_cast<int>(png_get_image_height(png, info)));
    std::vector<png_byte> row(png_get_rowbytes(png, info));
    for (int y = 0; y < image.height_; ++y) {
        png_read_row(png, row.data(), nullptr);
        for (int x = 0; x < image.width_; ++x) {
            const png_byte* p = &row[static_cast<size_t>(x) * 4];
            image.at(x, y) = {p[0] / 255.0f, p[1] / 255.0f, p[2] / 255.0f, p[3] / 255.0f};
        }
    }
    png_destroy_read_struct(&png, &info, nullptr);
    return image;
}

}  // namespace media

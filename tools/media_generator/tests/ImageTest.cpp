#include "Image.h"
#include "Noise.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <stdexcept>

using media::Colour;
using media::Image;

TEST(Image, PngKeepsPixelsAndSizeForEveryChannelLayout) {
    Image image(5, 3, {0.2f, 0.4f, 0.6f, 0.5f});
    image.at(4, 2) = {1, 0, 0, 1};
    for (auto channels : {Image::Channels::Grey, Image::Channels::Rgb, Image::Channels::Rgba}) {
        const std::string path = "image_test.png";
        image.savePng(path, channels);
        Image back = Image::loadPng(path);
        ASSERT_EQ(back.width(), 5);
        ASSERT_EQ(back.height(), 3);
        const Colour& c = back.at(0, 0);
        const Colour& red = back.at(4, 2);
        if (channels == Image::Channels::Grey) {
            EXPECT_NEAR(c.r, 0.2f, 0.003f);
            EXPECT_NEAR(c.b, 0.2f, 0.003f);  // grey is read back as equal channels
            EXPECT_NEAR(red.r, 1.0f, 0.003f);
            EXPECT_NEAR(red.g, 1.0f, 0.003f);
        } else {
            EXPECT_NEAR(c.g, 0.4f, 0.003f);
            EXPECT_NEAR(c.b, 0.6f, 0.003f);
            EXPECT_NEAR(red.r, 1.0f, 0.003f);
            EXPECT_NEAR(red.g, 0.0f, 0.003f);
        }
        EXPECT_NEAR(c.a, channels == Image::Channels::Rgba ? 0.5f : 1.0f, 0.003f);
        std::remove(path.c_str());
    }
}

TEST(Image, UnwritableAndMissingFilesThrow) {
    EXPECT_THROW(Image(2, 2).savePng("/nonexistent-dir/x.png", Image::Channels::Rgb), std::runtime_error);
    EXPECT_THROW(Image::loadPng("/nonexistent-dir/x.png"), std::runtime_error);
}

TEST(Image, DownsamplingAveragesOnlyCoveredColour) {
    Image image(2, 2, {1, 1, 1, 0});
    image.at(0, 0) = {1, 0, 0, 1};
    image.at(1, 1) = {0, 0, 1, 1};
    Image small = image.downsampled(2);
    ASSERT_EQ(small.width(), 1);
    EXPECT_NEAR(small.at(0, 0).a, 0.5f, 1e-6);
    // The transparent white must not lighten the result.
    EXPECT_NEAR(small.at(0, 0).r, 0.5f, 1e-6);
    EXPECT_NEAR(small.at(0, 0).g, 0.0f, 1e-6);
    EXPECT_NEAR(small.at(0, 0).b, 0.5f, 1e-6);
}

TEST(Image, SamplingWrapsAround) {
    Image image(2, 1, {0, 0, 0, 1});
    image.at(1, 0) = {1, 1, 1, 1};
    EXPECT_NEAR(image.sample(0.75f, 0.5f).r, 1.0f, 1e-6);
    EXPECT_NEAR(image.sample(1.75f, 0.5f).r, 1.0f, 1e-6);
    EXPECT_NEAR(image.sample(0.0f, 0.5f).r, 0.5f, 1e-6);  // halfway between the last and the first texel
}

TEST(Noise, IsDeterministicAndInRange) {
    media::ValueNoise a(7), b(7), other(8);
    int differing = 0;
    for (int i = 0; i < 200; ++i) {
        float x = i * 0.37f - 20, y = i * 0.61f - 30;
        float v = a.fractal(x, y, 5);
        EXPECT_EQ(v, b.fractal(x, y, 5));
        EXPECT_GE(v, 0.0f);
        EXPECT_LE(v, 1.0f);
        differing += v != other.fractal(x, y, 5);
    }
    EXPECT_GT(differing, 190);
}

TEST(Noise, PeriodicNoiseTilesAtEveryOctave) {
    media::ValueNoise noise(3, 4);
    for (int i = 0; i < 50; ++i) {
        float x = i * 0.173f, y = i * 0.291f;
        EXPECT_NEAR(noise.fractal(x, y, 6), noise.fractal(x + 4, y, 6), 1e-5);
        EXPECT_NEAR(noise.fractal(x, y, 6), noise.fractal(x, y - 4, 6), 1e-5);
    }
}

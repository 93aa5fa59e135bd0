#include "AppIcon.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

namespace {

TEST(AppIcon, OpaqueTileWithTransparentCornersAtEverySize)
{
    for (int size : media::appIconSizes()) {
        const media::Image icon = media::paintAppIcon(size);
        ASSERT_EQ(icon.width(), size);
        ASSERT_EQ(icon.height(), size);
        EXPECT_EQ(icon.at(0, 0).a, 0.0f) << size;
        EXPECT_EQ(icon.at(size - 1, size - 1).a, 0.0f) << size;
        EXPECT_FLOAT_EQ(icon.at(size / 2, size / 2).a, 1.0f) << size;
        // Sky above, grass below.
        const media::Colour sky = icon.at(size / 2, size / 8);
        const media::Colour ground = icon.at(size / 2, size - size / 8);
        EXPECT_GT(sky.b, sky.g) << size;
        EXPECT_GT(ground.g, ground.r) << size;
    }
}

TEST(AppIcon, WritesTheThemeLayoutForTheProgramAndItsFiles)
{
    char pattern[] = "/tmp/sahne-icons-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    const std::string theme = pattern;
    media::writeAppIcons(theme);
    for (int size : media::appIconSizes()) {
        const std::string dir = theme + "/" + std::to_string(size) + "x" + std::to_string(size);
        for (const char* file : {"/apps/sahne.png", "/mimetypes/application-x-sahne-scenario.png"}) {
            const media::Image read = media::Image::loadPng(dir + file);
            EXPECT_EQ(read.width(), size) << dir + file;
            EXPECT_EQ(read.height(), size) << dir + file;
            EXPECT_LT(read.at(0, 0).a, 0.01f) << dir + file;
        }
    }
    std::filesystem::remove_all(theme);
}

}  // namespace

#include "app/ResourceLocations.h"
#include "platform/sdl/SdlWindow.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

namespace {

std::string writeTemp(const std::string& text)
{
    char name[] = "/tmp/sahne-resources-XXXXXX";
    int fd = mkstemp(name);
    close(fd);
    std::ofstream(name) << text;
    return name;
}

}  // namespace

// The engine's reader yields the sections by name and, within one, the settings by key.
TEST(ResourceLocations, EverySettingIsOneLocationOfItsSectionsGroup)
{
    const std::string file = writeTemp(
        "# comment\n"
        "[General]\n"
        "FileSystem=../media\n"
        "Zip:../media/packs/sky.zip\n"
        "FileSystem\t../media/models\n"
        "[Interface]\n"
        "FileSystem = /usr/share/gui\n");
    const auto locations = readResourceLocations(file);
    std::remove(file.c_str());
    ASSERT_EQ(4u, locations.size());
    EXPECT_EQ("General", locations[0].group);
    EXPECT_EQ("FileSystem", locations[0].type);
    EXPECT_EQ("../media", locations[0].location);
    EXPECT_EQ("FileSystem", locations[1].type);
    EXPECT_EQ("../media/models", locations[1].location) << "a tab separates too";
    EXPECT_EQ("Zip", locations[2].type) << "a colon separates too";
    EXPECT_EQ("../media/packs/sky.zip", locations[2].location);
    EXPECT_EQ("Interface", locations[3].group);
    EXPECT_EQ("/usr/share/gui", locations[3].location) << "white space around the value is trimmed";
}

TEST(VideoMode, ReadsTheEnginesModeText)
{
    int w = 0, h = 0;
    EXPECT_TRUE(platform::parseVideoMode("800 x 600", w, h));
    EXPECT_EQ(800, w);
    EXPECT_EQ(600, h);
    EXPECT_TRUE(platform::parseVideoMode("1024 x 768 @ 32-bit colour", w, h));
    EXPECT_EQ(768, h);
    EXPECT_FALSE(platform::parseVideoMode("big", w, h));
    EXPECT_FALSE(platform::parseVideoMode("0 x 600", w, h));
}

#include "scene/terrain/TerrainConfig.h"

#include <OgreException.h>
#include <gtest/gtest.h>

#include <regex>

namespace {

const std::string classic =
    "# The editor's terrain\n"
    "WorldTexture=terrain_texture.jpg\n"
    "DetailTexture = terrain_detail.jpg \n"
    "DetailTile=3\n"
    "PageSource=Heightmap\n"
    "Heightmap.image=terrain.png\n"
    "PageSize=513\r\n"
    "TileSize=65\n"
    "MaxPixelError=3\n"
    "PageWorldX=1500\n"
    "PageWorldZ=1200.5\n"
    "MaxHeight=100\n"
    "MaxMipMapLevel=5\n"
    "VertexNormals=yes\n"
    "\n";

std::string replaceLine(const std::string& text, const std::string& key, const std::string& newLine) {
    return std::regex_replace(text, std::regex("(^|\n)" + std::regex_replace(key, std::regex("\\."), "\\.") +
                                               " *=[^\n]*"),
                              "$1" + newLine);
}

std::string descriptionOfFailure(const std::string& text) {
    try {
        parseTerrainConfig(text, "terrain.cfg");
    } catch (const Ogre::Exception& e) {
        return e.getDescription();
    }
    return "";
}

}  // namespace

TEST(TerrainConfig, ReadsTheClassicKeysAndIgnoresTheOthers) {
    const TerrainConfig config = parseTerrainConfig(classic, "terrain.cfg");
    EXPECT_EQ(config.worldTexture, "terrain_texture.jpg");
    EXPECT_EQ(config.detailTexture, "terrain_detail.jpg");
    EXPECT_EQ(config.heightmapImage, "terrain.png");
    EXPECT_EQ(config.pageSize, 513);
    EXPECT_EQ(config.tileSize, 65);
    EXPECT_FLOAT_EQ(config.pageWorldX, 1500);
    EXPECT_FLOAT_EQ(config.pageWorldZ, 1200.5f);
    EXPECT_FLOAT_EQ(config.maxHeight, 100);
    EXPECT_FLOAT_EQ(config.detailTile, 3);
}

TEST(TerrainConfig, TexturesAndDetailTilingAreOptional) {
    std::string text = replaceLine(classic, "WorldTexture", "");
    text = replaceLine(text, "DetailTexture", "");
    text = replaceLine(text, "DetailTile", "");
    const TerrainConfig config = parseTerrainConfig(text, "terrain.cfg");
    EXPECT_EQ(config.worldTexture, "");
    EXPECT_EQ(config.detailTexture, "");
    EXPECT_FLOAT_EQ(config.detailTile, 1);
}

TEST(TerrainConfig, EachMissingRequiredKeyIsNamed) {
    for (const std::string key : {"Heightmap.image", "PageSize", "TileSize", "PageWorldX", "PageWorldZ", "MaxHeight"}) {
        SCOPED_TRACE(key);
        const std::string removed = replaceLine(classic, key, "");
        ASSERT_EQ(removed.find(key + "="), std::string::npos);
        const std::string message = descriptionOfFailure(removed);
        EXPECT_NE(message.find(key + " is missing"), std::string::npos) << message;
        EXPECT_NE(message.find("terrain.cfg"), std::string::npos) << message;
        // An empty value counts as missing.
        EXPECT_NE(descriptionOfFailure(replaceLine(classic, key, key + "=")).find(key), std::string::npos);
    }
}

TEST(TerrainConfig, MalformedNumbersAreRejected) {
    const std::pair<const char*, const char*> bad[] = {
        {"PageSize", "PageSize=abc"},       {"PageSize", "PageSize=513x"},   {"PageSize", "PageSize=-513"},
        {"TileSize", "TileSize=6.5"},       {"PageWorldX", "PageWorldX=1e"}, {"PageWorldZ", "PageWorldZ=nan"},
        {"MaxHeight", "MaxHeight=ten"},     {"DetailTile", "DetailTile=3 4"},
    };
    for (const auto& [key, line] : bad) {
        SCOPED_TRACE(line);
        const std::string message = descriptionOfFailure(replaceLine(classic, key, line));
        EXPECT_NE(message.find("not a"), std::string::npos) << message;
        EXPECT_NE(message.find(key), std::string::npos) << message;
    }
}

TEST(TerrainConfig, ValuesOutOfRangeAreRejected) {
    const std::pair<const char*, const char*> bad[] = {
        {"PageSize", "PageSize=512"},     {"PageSize", "PageSize=2"},        {"TileSize", "TileSize=64"},
        {"TileSize", "TileSize=1025"},    {"PageWorldX", "PageWorldX=0"},   {"PageWorldZ", "PageWorldZ=-10"},
        {"MaxHeight", "MaxHeight=-1"},    {"DetailTile", "DetailTile=0"},
    };
    for (const auto& [key, line] : bad) {
        SCOPED_TRACE(line);
        EXPECT_NE(descriptionOfFailure(replaceLine(classic, key, line)).find(key), std::string::npos);
    }
    EXPECT_NO_THROW(parseTerrainConfig(replaceLine(classic, "MaxHeight", "MaxHeight=0"), "flat.cfg"));
    EXPECT_NO_THROW(parseTerrainConfig(replaceLine(classic, "TileSize", "TileSize=513"), "one-tile.cfg"));
}

TEST(TerrainConfig, ALineWithoutEqualsSignIsAnError) {
    const std::string message = descriptionOfFailure(classic + "PageSize 513\n");
    EXPECT_NE(message.find("PageSize 513"), std::string::npos) << message;
}

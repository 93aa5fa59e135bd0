#include "ShippedFiles.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <stdexcept>

using namespace media;

TEST(ShippedFiles, TheCatalogNamesFourEntriesPerTabAndTheRoad) {
    const auto entries = readShippedCatalog(std::string(MEDIA_SOURCE_DIR) + "/work/objects.txt");
    EXPECT_GE(entries.size(), 18u);
    bool hasRoad = false;
    for (const auto& e : entries) hasRoad = hasRoad || e.name == "yol";
    EXPECT_TRUE(hasRoad);
}

TEST(ShippedFiles, ACatalogTheEditorWouldSkipPartsOfIsRefused) {
    const std::string path = "broken-objects.txt";
    std::ofstream(path) << "Adam adam 56 56\nKadin kadin 56\n";
    EXPECT_THROW(readShippedCatalog(path), std::runtime_error);
    std::remove(path.c_str());
    EXPECT_THROW(readShippedCatalog("no-such-objects.txt"), std::runtime_error);
}

TEST(ShippedFiles, TheTerrainConfigurationReadsAsTheEditorReadsIt) {
    const TerrainConfig config = readShippedTerrainConfig(std::string(MEDIA_SOURCE_DIR) + "/work/terrain.cfg");
    EXPECT_EQ(config.pageSize, 257);
    EXPECT_FALSE(config.heightmapImage.empty());
    EXPECT_THROW(readShippedTerrainConfig("no-such-terrain.cfg"), std::runtime_error);
}

#include "scene/terrain/TerrainFiles.h"

#include "scene/terrain/TerrainConfig.h"
#include "tests/support/HeadlessOgre.h"

#include <OgreException.h>
#include <OgreImage.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

TEST(TerrainFiles, EightBitPixelsScaleToMaxHeightRowByRow) {
    std::vector<Ogre::uint8> pixels = {0, 51, 255,  //
                                       102, 0, 0,   //
                                       0, 0, 204};
    Ogre::Image image;
    image.loadDynamicImage(pixels.data(), 3, 3, Ogre::PF_L8);
    const std::vector<float> heights = heightsFromImage(image, 3, 100, "h.png");
    ASSERT_EQ(heights.size(), 9u);
    EXPECT_FLOAT_EQ(heights[0], 0);
    EXPECT_FLOAT_EQ(heights[1], 20);  // column 1 of row 0
    EXPECT_FLOAT_EQ(heights[2], 100);
    EXPECT_FLOAT_EQ(heights[3], 40);  // column 0 of row 1
    EXPECT_FLOAT_EQ(heights[8], 80);
}

TEST(TerrainFiles, SixteenBitPixelsKeepTheirPrecision) {
    std::vector<Ogre::uint16> pixels = {0, 1, 32768, 65535};
    Ogre::Image image;
    image.loadDynamicImage(reinterpret_cast<Ogre::uchar*>(pixels.data()), 2, 2, Ogre::PF_L16);
    const std::vector<float> heights = heightsFromImage(image, 2, 65535, "h16.png");
    EXPECT_NEAR(heights[1], 1, 1e-3);
    EXPECT_NEAR(heights[2], 32768, 1e-2);
    EXPECT_NEAR(heights[3], 65535, 1e-2);
}

TEST(TerrainFiles, AnImageOfTheWrongSizeIsRejectedWithBothSizes) {
    std::vector<Ogre::uint8> pixels(5 * 3);
    Ogre::Image image;
    image.loadDynamicImage(pixels.data(), 5, 3, Ogre::PF_L8);
    try {
        heightsFromImage(image, 5, 10, "wide.png");
        FAIL() << "no exception";
    } catch (const Ogre::Exception& e) {
        EXPECT_NE(e.getDescription().find("\"wide.png\" is 5 x 3 pixels"), std::string::npos) << e.getDescription();
        EXPECT_NE(e.getDescription().find("5 x 5"), std::string::npos) << e.getDescription();
    }
}

class HeightmapLoading : public ::testing::Test {
protected:
    void SetUp() override {
        headlessogre::root();
        directory = ::testing::TempDir() + "sahne_heightmap_" +
                    ::testing::UnitTest::GetInstance()->current_test_info()->name();
        std::filesystem::remove_all(directory);
        headlessogre::writeTestTerrain(directory, {0, 255, 0, 255, 0, 255, 0, 255, 0}, 3, 10, 10, 50);
        config.heightmapImage = "test_heightmap.png";
        config.pageSize = 3;
        config.maxHeight = 50;
    }
    void TearDown() override { std::filesystem::remove_all(directory); }

    std::string directory;
    TerrainConfig config;
};

TEST_F(HeightmapLoading, FindsTheImageNextToTheConfiguration) {
    const std::vector<float> heights = loadHeightmap(config, directory + "/");
    EXPECT_EQ(heights, (std::vector<float>{0, 50, 0, 50, 0, 50, 0, 50, 0}));
}

TEST_F(HeightmapLoading, AMissingImageNamesTheFileAndWhereItWasLookedFor) {
    config.heightmapImage = "nowhere.png";
    try {
        loadHeightmap(config, directory + "/");
        FAIL() << "no exception";
    } catch (const Ogre::Exception& e) {
        EXPECT_NE(dynamic_cast<const Ogre::FileNotFoundException*>(&e), nullptr);
        EXPECT_NE(e.getDescription().find(directory + "/nowhere.png"), std::string::npos) << e.getDescription();
    }
}

TEST_F(HeightmapLoading, AFileThatIsNoImageIsReported) {
    std::ofstream(directory + "/broken.png") << "this is not a picture";
    config.heightmapImage = "broken.png";
    try {
        loadHeightmap(config, directory + "/");
        FAIL() << "no exception";
    } catch (const Ogre::Exception& e) {
        EXPECT_NE(e.getDescription().find("\"broken.png\" cannot be read as an image"), std::string::npos)
            << e.getDescription();
    }
}

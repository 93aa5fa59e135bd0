#include "scene/terrain/TerrainSceneManager.h"

#include "TerrainTestFolder.h"

#include <OgreManualObject.h>
#include <OgreMaterialManager.h>
#include <OgrePass.h>
#include <OgreRoot.h>
#include <OgreTechnique.h>
#include <OgreTextureUnitState.h>

#include <fstream>

namespace {

// 5 x 5 pixels over 80 x 40 units (samples every 20 in x, 10 in z), heights up to 255 / 255 * 51.
const std::vector<std::uint8_t> hills = {
    0,  10,  20,  30,  40,   //
    50, 60,  70,  80,  90,   //
    100, 110, 120, 130, 140,  //
    150, 160, 170, 180, 190,  //
    200, 210, 220, 230, 255,
};

float heightOfPixel(std::uint8_t value) { return value / 255.0f * 51; }

}  // namespace

TEST(TerrainSceneManagerFactory, IsRegisteredOnceWithWorldGeometry) {
    Ogre::Root& root = headlessogre::root();
    registerTerrainSceneManager(root);  // again: must not add a second factory
    int count = 0;
    for (const Ogre::SceneManagerMetaData* data : root.getSceneManagerMetaData())
        count += data->typeName == TerrainSceneManagerFactory::FACTORY_TYPE_NAME;
    EXPECT_EQ(count, 1);
    ASSERT_TRUE(root.getSceneManagerMetaData(TerrainSceneManagerFactory::FACTORY_TYPE_NAME));
    EXPECT_TRUE(root.getSceneManagerMetaData(TerrainSceneManagerFactory::FACTORY_TYPE_NAME)->worldGeometrySupported);
    EXPECT_EQ(headlessogre::freshScene().getTypeName(), "TerrainSceneManager");
}

using TerrainSceneManagerTest = TerrainTest;

TEST_F(TerrainSceneManagerTest, HeightsFollowThePixelsWithImageRowsAlongZ) {
    TerrainSceneManager& scene =
        headlessogre::sceneWithTerrain(headlessogre::writeTestTerrain(directory, hills, 5, 80, 40, 51));
    ASSERT_TRUE(scene.hasTerrain());
    EXPECT_FLOAT_EQ(*scene.getHeightAt(-40, -20), heightOfPixel(0));
    EXPECT_FLOAT_EQ(*scene.getHeightAt(40, -20), heightOfPixel(40));
    EXPECT_FLOAT_EQ(*scene.getHeightAt(-40, 20), heightOfPixel(200));
    EXPECT_FLOAT_EQ(*scene.getHeightAt(40, 20), heightOfPixel(255));
    EXPECT_FLOAT_EQ(*scene.getHeightAt(0, 0), heightOfPixel(120));
    EXPECT_FLOAT_EQ(*scene.getHeightAt(-30, -15), (heightOfPixel(0) + heightOfPixel(10) + heightOfPixel(50) +
                                                   heightOfPixel(60)) / 4);
    EXPECT_FALSE(scene.getHeightAt(41, 0));
}

TEST_F(TerrainSceneManagerTest, DrawsTheTerrainInTilesThatPicksIgnore) {
    TerrainSceneManager& scene =
        headlessogre::sceneWithTerrain(headlessogre::writeTestTerrain(directory, hills, 5, 80, 40, 51, 3));
    const auto& tiles = scene.getTerrainTiles();
    ASSERT_EQ(tiles.size(), 4u);
    Ogre::AxisAlignedBox all;
    for (Ogre::ManualObject* tile : tiles) {
        EXPECT_EQ(tile->getQueryFlags(), 0u);
        EXPECT_TRUE(tile->isInScene());
        ASSERT_EQ(tile->getNumSections(), 1u);
        EXPECT_EQ(tile->getSection(0)->getMaterialName(), scene.getTerrainMaterialName());
        all.merge(tile->getBoundingBox());
    }
    // The first tile covers columns and rows 0..2: x -40..0, z -20..0.
    EXPECT_EQ(tiles[0]->getBoundingBox().getMinimum(), Ogre::Vector3(-40, 0, -20));
    EXPECT_EQ(tiles[0]->getBoundingBox().getMaximum(), Ogre::Vector3(0, heightOfPixel(120), 0));
    EXPECT_EQ(all.getMinimum(), Ogre::Vector3(-40, 0, -20));
    EXPECT_EQ(all.getMaximum(), Ogre::Vector3(40, 51, 20));
}

TEST_F(TerrainSceneManagerTest, TheMaterialIsLitAndCarriesBothTextures) {
    TerrainSceneManager& scene =
        headlessogre::sceneWithTerrain(headlessogre::writeTestTerrain(directory, hills, 5, 80, 40, 51));
    Ogre::MaterialPtr material = Ogre::MaterialManager::getSingleton().getByName(scene.getTerrainMaterialName());
    ASSERT_TRUE(material);
    Ogre::Pass* pass = material->getTechnique(0)->getPass(0);
    EXPECT_TRUE(pass->getLightingEnabled());
    ASSERT_EQ(pass->getNumTextureUnitStates(), 2u);
    EXPECT_EQ(pass->getTextureUnitState(0)->getTextureName(), "terrain_texture.jpg");
    EXPECT_EQ(pass->getTextureUnitState(0)->getTextureCoordSet(), 0u);
    EXPECT_EQ(pass->getTextureUnitState(1)->getTextureName(), "terrain_detail.jpg");
    EXPECT_EQ(pass->getTextureUnitState(1)->getTextureCoordSet(), 1u);
}

TEST_F(TerrainSceneManagerTest, AMissingConfigurationIsAnEngineErrorNamingTheFile) {
    TerrainSceneManager& scene = headlessogre::freshScene();
    try {
        scene.setWorldGeometry(directory + "/no-terrain.cfg");
        FAIL() << "no exception";
    } catch (const Ogre::Exception& e) {
        EXPECT_NE(dynamic_cast<const Ogre::FileNotFoundException*>(&e), nullptr);
        EXPECT_NE(e.getFullDescription().find("no-terrain.cfg"), std::string::npos) << e.getFullDescription();
    }
    EXPECT_FALSE(scene.hasTerrain());
}

TEST_F(TerrainSceneManagerTest, AFailedReloadKeepsTheTerrainThatWasThere) {
    const std::string good = headlessogre::writeTestTerrain(directory, hills, 5, 80, 40, 51);
    TerrainSceneManager& scene = headlessogre::sceneWithTerrain(good);
    std::ofstream(directory + "/bad.cfg") << "Heightmap.image=test_heightmap.png\nPageSize=9\nTileSize=9\n"
                                             "PageWorldX=10\nPageWorldZ=10\nMaxHeight=1\n";
    EXPECT_THROW(scene.setWorldGeometry(directory + "/bad.cfg"), Ogre::Exception);  // image is 5 x 5
    ASSERT_TRUE(scene.hasTerrain());
    EXPECT_FLOAT_EQ(*scene.getHeightAt(40, 20), 51);
    EXPECT_EQ(scene.getTerrainTiles().size(), 1u);
    EXPECT_TRUE(scene.getTerrainTiles()[0]->isInScene());
}

TEST_F(TerrainSceneManagerTest, LoadingAgainReplacesTheTerrain) {
    TerrainSceneManager& scene =
        headlessogre::sceneWithTerrain(headlessogre::writeTestTerrain(directory, hills, 5, 80, 40, 51, 3));
    const std::string flatDirectory = directory + "/flat";
    scene.setWorldGeometry(
        headlessogre::writeTestTerrain(flatDirectory, std::vector<std::uint8_t>(9, 255), 3, 10, 10, 2));
    EXPECT_FLOAT_EQ(*scene.getHeightAt(0, 0), 2);
    EXPECT_FALSE(scene.getHeightAt(6, 0));
    EXPECT_EQ(scene.getTerrainTiles().size(), 1u);
    EXPECT_EQ(scene.getMovableObjects("ManualObject").size(), 1u);
}

TEST_F(TerrainSceneManagerTest, ClearingTheSceneRemovesTheTerrain) {
    TerrainSceneManager& scene =
        headlessogre::sceneWithTerrain(headlessogre::writeTestTerrain(directory, hills, 5, 80, 40, 51));
    scene.clearScene();
    EXPECT_FALSE(scene.hasTerrain());
    EXPECT_TRUE(scene.getTerrainTiles().empty());
    EXPECT_FALSE(scene.getHeightAt(0, 0));
}

TEST(StagedTerrain, CoversTheOriginWhereTheEditorCameraStarts) {
    TerrainSceneManager* scene = headlessogre::sceneWithStagedTerrain();
    if (!scene) GTEST_SKIP() << "terrain.cfg is not staged yet";
    ASSERT_TRUE(scene->getHeightAt(0, 0));
    EXPECT_FALSE(scene->getTerrainTiles().empty());
}

// The staged runtime media load the way the editor loads them.
#include "Image.h"
#include "Models.h"
#include "ShippedFiles.h"

#include "support/HeadlessOgre.h"
#include "support/TestPaths.h"

#include <OgreMaterialManager.h>
#include <OgreMesh.h>
#include <OgreMeshManager.h>
#include <OgreSubMesh.h>
#include <OgreTechnique.h>
#include <OgreTechnique.h>
#include <Overlay/OgreFontManager.h>
#include <Overlay/OgreOverlayElement.h>
#include <Overlay/OgreOverlayManager.h>
#include <Overlay/OgreOverlaySystem.h>

#include <gtest/gtest.h>

#include <fstream>

namespace {

std::vector<CatalogEntry> stagedCatalog() {
    return media::readShippedCatalog(testpaths::workDir + "/objects.txt");
}

const std::string textures = testpaths::mediaDir + "/materials/textures/";

}  // namespace

TEST(StagedMedia, EveryMeshLoadsAndNamesDefinedMaterials) {
    headlessogre::root();
    std::vector<std::string> meshes = media::modelNames();
    for (const auto& entry : stagedCatalog())
        EXPECT_NE(std::find(meshes.begin(), meshes.end(), entry.name), meshes.end()) << entry.name;
    for (const std::string& name : meshes) {
        SCOPED_TRACE(name);
        Ogre::MeshPtr mesh = Ogre::MeshManager::getSingleton().load(name + ".mesh", Ogre::RGN_DEFAULT);
        ASSERT_GT(mesh->getNumSubMeshes(), 0u);
        for (const Ogre::SubMesh* sub : mesh->getSubMeshes()) {
            Ogre::MaterialPtr material = Ogre::MaterialManager::getSingleton().getByName(sub->getMaterialName());
            EXPECT_TRUE(material) << sub->getMaterialName();
        }
        EXPECT_FALSE(mesh->getBounds().isNull());
        mesh.reset();
    }
}

TEST(StagedMedia, CatalogPicturesHaveTheSizesTheCatalogGives) {
    for (const auto& entry : stagedCatalog()) {
        SCOPED_TRACE(entry.name);
        media::Image picture = media::Image::loadPng(textures + entry.name + ".png");
        EXPECT_EQ(picture.width(), entry.width);
        EXPECT_EQ(picture.height(), entry.height);
        EXPECT_EQ(picture.at(0, 0).a, 0.0f);  // transparent around the object
    }
}

TEST(StagedMedia, TerrainImagesMatchTheTerrainConfiguration) {
    const TerrainConfig config = media::readShippedTerrainConfig(testpaths::workDir + "/terrain.cfg");
    media::Image heights = media::Image::loadPng(textures + config.heightmapImage);
    EXPECT_EQ(heights.width(), config.pageSize);
    EXPECT_EQ(heights.height(), config.pageSize);
    EXPECT_EQ(heights.at(config.pageSize / 2, config.pageSize / 2).r, 0.0f);  // flat ground at the origin
    EXPECT_GT(media::Image::loadPng(textures + config.worldTexture).width(), 0);
    EXPECT_GT(media::Image::loadPng(textures + config.detailTexture).width(), 0);
}

TEST(StagedMedia, SkyMaterialShowsTheCloudPicture) {
    headlessogre::root();
    Ogre::MaterialPtr sky = Ogre::MaterialManager::getSingleton().getByName("Examples/CloudySky");
    ASSERT_TRUE(sky);
    Ogre::Pass* pass = sky->getTechnique(0)->getPass(0);
    EXPECT_FALSE(pass->getLightingEnabled());
    EXPECT_FALSE(pass->getDepthWriteEnabled());
    ASSERT_EQ(pass->getNumTextureUnitStates(), 1u);
    EXPECT_EQ(pass->getTextureUnitState(0)->getTextureName(), "clouds.png");
    EXPECT_EQ(media::Image::loadPng(textures + "clouds.png").width(), 512);
}

TEST(StagedMedia, StatisticsOverlayHasItsTextElements) {
    headlessogre::root();
    Ogre::OverlaySystem overlays;
    auto parse = [](const std::string& path, auto& manager) {
        std::ifstream file(path, std::ios::binary);
        ASSERT_TRUE(file) << path;
        Ogre::DataStreamPtr stream(new Ogre::FileStreamDataStream(&file, false));
        manager.parseScript(stream, Ogre::RGN_DEFAULT);
    };
    parse(testpaths::mediaDir + "/gui/fonts/DebugFont.fontdef", Ogre::FontManager::getSingleton());
    parse(testpaths::mediaDir + "/gui/overlays/DebugOverlay.overlay", Ogre::OverlayManager::getSingleton());
    ASSERT_TRUE(Ogre::FontManager::getSingleton().getByName("DebugFont"));
    ASSERT_NE(Ogre::OverlayManager::getSingleton().getByName("Core/DebugOverlay"), nullptr);
    for (const char* name : {"Core/AverageFps", "Core/CurrFps", "Core/BestFps", "Core/WorstFps", "Core/NumTris",
                             "Core/DebugText"}) {
        Ogre::OverlayElement* element = Ogre::OverlayManager::getSingleton().getOverlayElement(name);
        ASSERT_NE(element, nullptr) << name;
        EXPECT_EQ(element->getTypeName(), "TextArea") << name;
    }
    EXPECT_TRUE(Ogre::MaterialManager::getSingleton().getByName("Core/StatsPanel"));
}

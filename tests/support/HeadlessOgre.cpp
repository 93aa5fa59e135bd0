#include "tests/support/HeadlessOgre.h"

#include "scene/terrain/TerrainSceneManager.h"
#include "tests/support/TestPaths.h"

#include <OgreDefaultHardwareBufferManager.h>
#include <OgreImage.h>
#include <OgreLogManager.h>
#include <OgreMaterialManager.h>
#include <OgreMeshManager.h>
#include <OgreResourceGroupManager.h>
#include <OgreRoot.h>
#include <OgreTextureManager.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace headlessogre {
namespace {

const char* const sceneName = "HeadlessTestScene";

class Engine {
public:
    Engine() {
        logs = new Ogre::LogManager;
        logs->createLog("Ogre.log", true, false, false);
        engineRoot = new Ogre::Root("", "", "");
        buffers = new Ogre::DefaultHardwareBufferManager;
        textures = new Ogre::DefaultTextureManager;
        engineRoot->loadPlugin(testpaths::ogrePluginDir + "/Codec_STBI");
        Ogre::MaterialManager::getSingleton().initialise();
        Ogre::MeshManager::getSingleton()._initialise();
        Ogre::MeshManager::getSingleton().setBoundsPaddingFactor(0);
        registerTerrainSceneManager(*engineRoot);
        addStagedMedia();
    }

    // Textures must go before the Root, which owns the resource group manager
    // they unregister from; materials referring to them go first. The buffer
    // manager must outlive the Root.
    ~Engine() {
        if (engineRoot->hasSceneManager(sceneName))
            engineRoot->destroySceneManager(engineRoot->getSceneManager(sceneName));
        Ogre::MaterialManager::getSingleton().removeAll();
        delete textures;
        delete engineRoot;
        delete buffers;
        delete logs;
    }

    Ogre::Root& root() { return *engineRoot; }

private:
    static void addStagedMedia() {
        auto& groups = Ogre::ResourceGroupManager::getSingleton();
        const auto general = Ogre::ResourceGroupManager::DEFAULT_RESOURCE_GROUP_NAME;
        for (const std::string& folder :
             {testpaths::mediaDir + "/models", testpaths::mediaDir + "/materials/textures",
              testpaths::mediaDir + "/materials/scripts", testpaths::workDir}) {
            if (std::filesystem::is_directory(folder)) groups.addResourceLocation(folder, "FileSystem", general);
        }
        groups.initialiseAllResourceGroups();
    }

    Ogre::LogManager* logs;
    Ogre::Root* engineRoot;
    Ogre::DefaultHardwareBufferManager* buffers;
    Ogre::DefaultTextureManager* textures;
};

Engine& engine() {
    static Engine instance;
    return instance;
}

}  // namespace

Ogre::Root& root() { return engine().root(); }

TerrainSceneManager& freshScene() {
    Ogre::Root& r = root();
    if (r.hasSceneManager(sceneName)) r.destroySceneManager(r.getSceneManager(sceneName));
    return static_cast<TerrainSceneManager&>(*r.createSceneManager(TerrainSceneManagerFactory::FACTORY_TYPE_NAME, sceneName));
}

TerrainSceneManager& sceneWithTerrain(const std::string& terrainCfgPath) {
    TerrainSceneManager& scene = freshScene();
    scene.setWorldGeometry(terrainCfgPath);
    return scene;
}

TerrainSceneManager* sceneWithStagedTerrain() {
    const std::string staged = testpaths::workDir + "/terrain.cfg";
    if (!std::filesystem::exists(staged)) return nullptr;
    return &sceneWithTerrain(staged);
}

std::string writeTestTerrain(const std::string& directory, const std::vector<std::uint8_t>& pixels, int pageSize,
                             float worldX, float worldZ, float maxHeight, int tileSize) {
    if (pixels.size() != std::size_t(pageSize) * std::size_t(pageSize))
        throw std::invalid_argument("writeTestTerrain: pixels must be pageSize x pageSize");
    root();  // the PNG codec comes with the engine
    std::filesystem::create_directories(directory);
    std::vector<std::uint8_t> copy = pixels;  // loadDynamicImage does not copy
    Ogre::Image image;
    image.loadDynamicImage(copy.data(), Ogre::uint32(pageSize), Ogre::uint32(pageSize), Ogre::PF_L8);
    image.save(directory + "/test_heightmap.png");

    const std::string cfgPath = directory + "/terrain.cfg";
    std::ofstream cfg(cfgPath);
    cfg << "WorldTexture=terrain_texture.jpg\n"
        << "DetailTexture=terrain_detail.jpg\n"
        << "DetailTile=3\n"
        << "Heightmap.image=test_heightmap.png\n"
        << "PageSize=" << pageSize << "\n"
        << "TileSize=" << (tileSize > 0 ? tileSize : pageSize) << "\n"
        << "PageWorldX=" << worldX << "\n"
        << "PageWorldZ=" << worldZ << "\n"
        << "MaxHeight=" << maxHeight << "\n"
        << "MaxPixelError=3\n";
    if (!cfg.flush()) throw std::runtime_error("writeTestTerrain: cannot write " + cfgPath);
    return cfgPath;
}

}  // namespace headlessogre

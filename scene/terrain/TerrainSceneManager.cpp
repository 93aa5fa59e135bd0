#include "scene/terrain/TerrainSceneManager.h"

#include "scene/terrain/TerrainConfig.h"
#include "scene/terrain/TerrainFiles.h"
#include "scene/terrain/TerrainRaySceneQuery.h"
#include "scene/terrain/TerrainTiles.h"

#include <OgreCamera.h>
#include <OgreManualObject.h>
#include <OgreMaterialManager.h>
#include <OgreRenderQueue.h>
#include <OgreResourceGroupManager.h>
#include <OgreRoot.h>
#include <OgreSceneNode.h>

#include <algorithm>

const Ogre::String TerrainSceneManagerFactory::FACTORY_TYPE_NAME = "TerrainSceneManager";

namespace {

const Ogre::String& materialGroup() { return Ogre::ResourceGroupManager::DEFAULT_RESOURCE_GROUP_NAME; }

std::string directoryOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

}  // namespace

TerrainSceneManager::TerrainSceneManager(const Ogre::String& instanceName) : Ogre::SceneManager(instanceName) {}

TerrainSceneManager::~TerrainSceneManager() = default;

const Ogre::String& TerrainSceneManager::getTypeName() const { return TerrainSceneManagerFactory::FACTORY_TYPE_NAME; }

Ogre::String TerrainSceneManager::getTerrainMaterialName() const { return "TerrainSceneManager/" + getName(); }

void TerrainSceneManager::setWorldGeometry(const Ogre::String& filename) {
    Ogre::DataStreamPtr stream = openResource(filename);
    const bool fromResources = bool(stream);
    if (!stream) stream = openFile(filename);
    if (!stream) {
        OGRE_EXCEPT(Ogre::Exception::ERR_FILE_NOT_FOUND,
                    "The terrain configuration \"" + filename +
                        "\" was found neither in the resource groups nor on disk",
                    "TerrainSceneManager::setWorldGeometry");
    }
    loadTerrain(stream->getAsString(), filename,
                fromResources ? std::nullopt : std::optional<std::string>(directoryOf(filename)));
}

void TerrainSceneManager::setWorldGeometry(Ogre::DataStreamPtr& stream, const Ogre::String&) {
    if (!stream)
        OGRE_EXCEPT(Ogre::Exception::ERR_INVALIDPARAMS, "No terrain configuration stream given",
                    "TerrainSceneManager::setWorldGeometry");
    loadTerrain(stream->getAsString(), stream->getName(), std::nullopt);
}

void TerrainSceneManager::loadTerrain(const std::string& text, const std::string& sourceName,
                                      const std::optional<std::string>& directory) {
    // Everything that can fail happens before the old terrain goes.
    const TerrainConfig config = parseTerrainConfig(text, sourceName);
    auto heightfield = std::make_unique<Heightfield>(std::size_t(config.pageSize), config.pageWorldX,
                                                     config.pageWorldZ, loadHeightmap(config, directory));
    destroyTerrainGeometry();
    terrain = std::move(heightfield);
    buildTerrainGeometry(config);
}

void TerrainSceneManager::buildTerrainGeometry(const TerrainConfig& config) {
    const Ogre::String material = getTerrainMaterialName();
    createTerrainMaterial(material, materialGroup(), config);
    terrainNode = getRootSceneNode()->createChildSceneNode(getName() + "/TerrainNode");

    const std::size_t pageSize = terrain->size();
    const std::size_t tileSize = std::size_t(config.tileSize);
    const std::size_t count = tilesPerSide(pageSize, tileSize);
    for (std::size_t tileRow = 0; tileRow < count; ++tileRow) {
        for (std::size_t tileColumn = 0; tileColumn < count; ++tileColumn) {
            Ogre::ManualObject* tile = createManualObject(getName() + "/TerrainTile/" + std::to_string(tileColumn) +
                                                          "/" + std::to_string(tileRow));
            buildTile(*tile, *terrain, tileSpan(tileColumn, tileSize), tileSpan(tileRow, tileSize),
                      tileSize, config.detailTile, material, materialGroup());
            // Picks find the terrain through world fragments, never as an object.
            tile->setQueryFlags(0);
            tile->setCastShadows(false);
            tile->setRenderQueueGroup(getWorldGeometryRenderQueue());
            terrainNode->attachObject(tile);
            tiles.push_back(tile);
        }
    }
}

void TerrainSceneManager::destroyTerrainGeometry() {
    for (Ogre::ManualObject* tile : tiles) destroyManualObject(tile);
    tiles.clear();
    if (terrainNode) destroySceneNode(terrainNode);
    terrainNode = nullptr;
    terrain.reset();
}

void TerrainSceneManager::clearScene() {
    Ogre::SceneManager::clearScene();
    tiles.clear();
    terrainNode = nullptr;
    terrain.reset();
}

Ogre::RaySceneQuery* TerrainSceneManager::createRayQuery(const Ogre::Ray& ray, Ogre::uint32 mask) {
    auto* query = OGRE_NEW TerrainRaySceneQuery(this);
    query->setRay(ray);
    query->setQueryMask(mask);
    return query;
}

std::optional<float> TerrainSceneManager::getHeightAt(float x, float z) const {
    if (!terrain) return std::nullopt;
    return terrain->heightAt(x, z);
}

std::optional<Heightfield::Hit> TerrainSceneManager::intersectTerrain(const Ogre::Ray& ray) const {
    if (!terrain) return std::nullopt;
    return terrain->intersect(ray);
}

Ogre::SceneManager* TerrainSceneManagerFactory::createInstance(const Ogre::String& instanceName) {
    return OGRE_NEW TerrainSceneManager(instanceName);
}

void TerrainSceneManagerFactory::destroyInstance(Ogre::SceneManager* instance) { OGRE_DELETE instance; }

void TerrainSceneManagerFactory::initMetaData() const {
    mMetaData.typeName = TerrainSceneManagerFactory::FACTORY_TYPE_NAME;
    mMetaData.worldGeometrySupported = true;
}

void registerTerrainSceneManager(Ogre::Root& root) {
    // Never destroyed: a Root may still need it while static objects are torn down.
    static auto* const factory = new TerrainSceneManagerFactory;
    const auto& known = root.getSceneManagerMetaData();
    const bool registered = std::any_of(known.begin(), known.end(), [](const Ogre::SceneManagerMetaData* data) {
        return data->typeName == TerrainSceneManagerFactory::FACTORY_TYPE_NAME;
    });
    if (!registered) root.addSceneManagerFactory(factory);
}

TerrainSceneManager* terrainOf(Ogre::SceneManager& scene) { return dynamic_cast<TerrainSceneManager*>(&scene); }

const TerrainSceneManager* terrainOf(const Ogre::SceneManager& scene)
{
    return dynamic_cast<const TerrainSceneManager*>(&scene);
}

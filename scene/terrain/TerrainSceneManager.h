#pragma once

#include "scene/terrain/Heightfield.h"

#include <OgreSceneManager.h>

#include <memory>
#include <optional>
#include <vector>

namespace Ogre {
class Root;
}
struct TerrainConfig;

// A scene manager whose world geometry is a heightmap terrain read from a
// "terrain.cfg" file, centred on the origin. Its ray queries report, besides
// the objects the default query finds, one world fragment of type
// WFT_SINGLE_INTERSECTION at the exact point where the ray meets the terrain.
//
// Use: registerTerrainSceneManager(root) once per Root, then
// root.createSceneManager(TerrainSceneManagerFactory::FACTORY_TYPE_NAME) and
// setWorldGeometry("terrain.cfg").
class TerrainSceneManager : public Ogre::SceneManager {
public:
    explicit TerrainSceneManager(const Ogre::String& instanceName);
    ~TerrainSceneManager() override;

    const Ogre::String& getTypeName() const override;

    // Reads the configuration from the resource groups if one holds filename,
    // otherwise from that file-system path. Any fault (missing file, bad key,
    // missing or wrong-sized heightmap) throws an Ogre::Exception and keeps the
    // terrain that was there before.
    void setWorldGeometry(const Ogre::String& filename) override;
    void setWorldGeometry(Ogre::DataStreamPtr& stream, const Ogre::String& typeName) override;

    // Also removes the terrain: its tiles were scene objects.
    void clearScene() override;

    Ogre::RaySceneQuery* createRayQuery(const Ogre::Ray& ray, Ogre::uint32 mask) override;

    bool hasTerrain() const { return terrain != nullptr; }
    // The terrain's heights; null without a terrain.
    const Heightfield* heightfield() const { return terrain.get(); }
    // Terrain height under (x, z); empty off the terrain or without one.
    std::optional<float> getHeightAt(float x, float z) const;
    std::optional<Heightfield::Hit> intersectTerrain(const Ogre::Ray& ray) const;
    // The rendered tiles, TileSize vertices a side; empty without a terrain.
    const std::vector<Ogre::ManualObject*>& getTerrainTiles() const { return tiles; }
    // Name of the material the tiles are drawn with.
    Ogre::String getTerrainMaterialName() const;

private:
    // directory: where a configuration read from disk lies; empty for one from the resource groups.
    void loadTerrain(const std::string& text, const std::string& sourceName,
                     const std::optional<std::string>& directory);
    void destroyTerrainGeometry();
    void buildTerrainGeometry(const TerrainConfig& config);

    std::unique_ptr<Heightfield> terrain;
    std::vector<Ogre::ManualObject*> tiles;
    Ogre::SceneNode* terrainNode = nullptr;
};

class TerrainSceneManagerFactory : public Ogre::SceneManagerFactory {
public:
    static const Ogre::String FACTORY_TYPE_NAME;  // "TerrainSceneManager"

    Ogre::SceneManager* createInstance(const Ogre::String& instanceName) override;
    void destroyInstance(Ogre::SceneManager* instance) override;

protected:
    void initMetaData() const override;
};

// Makes TerrainSceneManagerFactory::FACTORY_TYPE_NAME known to root; calling it again for the
// same Root does nothing. The factory is owned by this library and lives for
// the whole process, so it outlives every Root (which needs its factory until
// the Root's destructor has destroyed the scene managers).
void registerTerrainSceneManager(Ogre::Root& root);

// The scene's terrain manager when the scene is one (the editor's always is);
// null for any other kind of scene. The one way the rest of the editor reaches it.
TerrainSceneManager* terrainOf(Ogre::SceneManager& scene);
const TerrainSceneManager* terrainOf(const Ogre::SceneManager& scene);

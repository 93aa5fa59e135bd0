#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace Ogre {
class Root;
}
class TerrainSceneManager;

// An Ogre engine without a render system for test programs: a quiet log
// (Ogre.log is written, nothing echoed), Root("", "", ""), the default
// hardware buffer and texture managers, materials and meshes initialised,
// bounds padding 0 (exact boxes), the PNG codec, the terrain scene manager
// registered, and the staged media folders models, materials/textures,
// materials/scripts and the editor's work folder in the group "General"
// (those that exist; the group is initialised).
//
// There is one engine per process (Ogre's Root is a singleton). It is made on
// the first call of any function below and torn down when the process ends, so
// a test just calls them:
//
//   TerrainSceneManager& scene = headlessogre::freshScene();
//   Ogre::Entity* e = scene.createEntity("kup.mesh");
//
//   const std::string cfg = headlessogre::writeTestTerrain(dir, pixels, 5, 100, 100, 10);
//   TerrainSceneManager& hills = headlessogre::sceneWithTerrain(cfg);
//
// Each fresh scene destroys the previous one with everything in it, so tests
// do not see each other's objects. A test that keeps a MeshPtr or TexturePtr
// must reset it before the process ends (it may not outlive the Root).
namespace headlessogre {

Ogre::Root& root();

// Destroys the scene made by the previous call (if any) and makes a new,
// empty TerrainSceneManager.
TerrainSceneManager& freshScene();

// A fresh scene with the terrain of the given configuration file.
TerrainSceneManager& sceneWithTerrain(const std::string& terrainCfgPath);

// A fresh scene with the staged "terrain.cfg" of the editor's work folder, or
// null when that file has not been staged.
TerrainSceneManager* sceneWithStagedTerrain();

// Writes an 8-bit greyscale heightmap "test_heightmap.png" (pixels row by
// row, pageSize x pageSize, pageSize = 2^n+1) and a "terrain.cfg" naming it
// into directory; returns the path of the configuration. The terrain then
// spans worldX x worldZ around the origin with heights pixel / 255 * maxHeight,
// drawn in tiles of tileSize vertices a side (0: one tile).
std::string writeTestTerrain(const std::string& directory, const std::vector<std::uint8_t>& pixels, int pageSize,
                             float worldX, float worldZ, float maxHeight, int tileSize = 0);

}  // namespace headlessogre

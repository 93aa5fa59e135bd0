#pragma once

#include <OgreMaterial.h>

#include <cstddef>
#include <string>

namespace Ogre {
class ManualObject;
}
class Heightfield;
struct TerrainConfig;

// The lit, fixed-function material of the terrain: the world texture on UV set
// 0 across the whole terrain, the detail texture on UV set 1 modulated over
// it. Texture units are left out when no texture manager exists (no render
// system), since there is nothing to draw them with. Replaces an earlier
// material of the same name.
Ogre::MaterialPtr createTerrainMaterial(const std::string& name, const std::string& group,
                                        const TerrainConfig& config);

// Which samples one tile covers: tiles of tileSize vertices a side share
// their border vertices with their neighbours. Both sizes are 2^n+1, so the
// tiles cover the page exactly.
struct TileSpan {
    std::size_t first;
    std::size_t count;
};
std::size_t tilesPerSide(std::size_t pageSize, std::size_t tileSize);
TileSpan tileSpan(std::size_t tile, std::size_t tileSize);

// Fills object with one triangle list section for the given samples:
// positions, normals, UV set 0 = position on the whole page, UV set 1 =
// position in the tile times detailTile.
void buildTile(Ogre::ManualObject& object, const Heightfield& heightfield, TileSpan columns, TileSpan rows,
               std::size_t tileSize, float detailTile, const std::string& material, const std::string& group);

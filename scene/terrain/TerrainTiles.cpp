#include "scene/terrain/TerrainTiles.h"

#include "scene/terrain/Heightfield.h"
#include "scene/terrain/TerrainConfig.h"

#include <OgreManualObject.h>
#include <OgreMaterialManager.h>
#include <OgrePass.h>
#include <OgreTechnique.h>
#include <OgreTextureManager.h>
#include <OgreTextureUnitState.h>

Ogre::MaterialPtr createTerrainMaterial(const std::string& name, const std::string& group,
                                        const TerrainConfig& config) {
    auto& materials = Ogre::MaterialManager::getSingleton();
    if (materials.resourceExists(name, group)) materials.remove(name, group);
    Ogre::MaterialPtr material = materials.create(name, group);
    Ogre::Pass* pass = material->getTechnique(0)->getPass(0);
    pass->setLightingEnabled(true);
    pass->setAmbient(Ogre::ColourValue::White);
    pass->setDiffuse(Ogre::ColourValue::White);

    if (!Ogre::TextureManager::getSingletonPtr()) return material;
    if (!config.worldTexture.empty()) {
        Ogre::TextureUnitState* world = pass->createTextureUnitState(config.worldTexture, 0);
        world->setTextureAddressingMode(Ogre::TextureUnitState::TAM_CLAMP);
    }
    if (!config.detailTexture.empty()) {
        Ogre::TextureUnitState* detail = pass->createTextureUnitState(config.detailTexture, 1);
        detail->setTextureAddressingMode(Ogre::TextureUnitState::TAM_WRAP);
        detail->setColourOperation(Ogre::LBO_MODULATE);
    }
    return material;
}

std::size_t tilesPerSide(std::size_t pageSize, std::size_t tileSize) { return (pageSize - 1) / (tileSize - 1); }

TileSpan tileSpan(std::size_t tile, std::size_t tileSize) { return TileSpan{tile * (tileSize - 1), tileSize}; }

void buildTile(Ogre::ManualObject& object, const Heightfield& heightfield, TileSpan columns, TileSpan rows,
               std::size_t tileSize, float detailTile, const std::string& material, const std::string& group) {
    const float pageCells = float(heightfield.size() - 1);
    const float tileCells = float(tileSize - 1);
    object.begin(material, Ogre::RenderOperation::OT_TRIANGLE_LIST, group);
    for (std::size_t r = 0; r < rows.count; ++r) {
        for (std::size_t c = 0; c < columns.count; ++c) {
            const std::size_t column = columns.first + c;
            const std::size_t row = rows.first + r;
            object.position(heightfield.vertex(column, row));
            object.normal(heightfield.normal(column, row));
            object.textureCoord(float(column) / pageCells, float(row) / pageCells);
            object.textureCoord(float(c) / tileCells * detailTile, float(r) / tileCells * detailTile);
        }
    }
    // Counter-clockwise seen from above, so the faces point up.
    for (std::size_t r = 0; r + 1 < rows.count; ++r) {
        for (std::size_t c = 0; c + 1 < columns.count; ++c) {
            const auto here = Ogre::uint32(r * columns.count + c);
            const auto right = here + 1;
            const auto below = here + Ogre::uint32(columns.count);
            object.triangle(here, below, right);
            object.triangle(right, below, below + 1);
        }
    }
    object.end();
}

#pragma once

#include "scene/terrain/TerrainConfig.h"
#include "panels/ObjectCatalog.h"

#include <string>
#include <vector>

namespace media {

// The catalog the media are made for, read as the editor reads it; anything the
// editor would skip is an error here, since the shipped files must be whole.
std::vector<CatalogEntry> readShippedCatalog(const std::string& path);

// The terrain configuration the terrain images are made for, read as the editor reads it.
TerrainConfig readShippedTerrainConfig(const std::string& path);

}  // namespace media

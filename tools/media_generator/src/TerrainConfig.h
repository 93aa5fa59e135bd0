#pragma once

#include <istream>
#include <string>

namespace media {

// The parts of the terrain configuration ("key=value" lines) that the generated images must match.
struct TerrainConfig {
    std::string worldTexture;
    std::string detailTexture;
    std::string heightmapImage;
    int pageSize = 0;
    float pageWorldX = 0;
    float pageWorldZ = 0;
    float maxHeight = 0;
};

// Throws std::runtime_error naming the first missing or malformed key.
TerrainConfig parseTerrainConfig(std::istream& in);

}  // namespace media

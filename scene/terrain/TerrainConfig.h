#pragma once

#include <string>

// The settings of a terrain, as read from a "terrain.cfg" file.
struct TerrainConfig {
    std::string worldTexture;    // stretched once over the whole terrain; empty: none
    std::string detailTexture;   // repeated detailTile times across each tile; empty: none
    std::string heightmapImage;  // greyscale, pageSize x pageSize pixels
    int pageSize = 0;            // samples a side, 2^n + 1
    int tileSize = 0;            // vertices a side of one rendered tile, 2^m + 1, at most pageSize
    float pageWorldX = 0;        // extent in world units along x, centred on the origin
    float pageWorldZ = 0;        // extent along z
    float maxHeight = 0;         // world height of the brightest heightmap value
    float detailTile = 1;        // detail texture repeats per tile
};

// Parses the "Key=Value" lines of a terrain configuration. Lines starting with
// '#' and keys this terrain does not use (MaxPixelError, LODMorph, ...) are
// ignored. A missing required key or a malformed number throws an
// Ogre::Exception whose description names sourceName and the key.
TerrainConfig parseTerrainConfig(const std::string& text, const std::string& sourceName);

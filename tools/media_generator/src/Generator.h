#pragma once

#include <string>

namespace media {

struct GeneratorInput {
    std::string catalogFile;        // objects.txt
    std::string terrainConfigFile;  // terrain.cfg
    std::string mediaDir;           // receives materials/textures, materials/scripts and models
};

// Writes every generated picture, material script and mesh. Throws std::runtime_error (or an engine
// exception) naming what failed.
void generateMedia(const GeneratorInput& input);

}  // namespace media

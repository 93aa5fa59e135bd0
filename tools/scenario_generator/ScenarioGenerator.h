#pragma once

#include "document/Item.h"

#include <cstdint>
#include <string>
#include <vector>

// A large scenario as the editor's own tools would have made it: 70% catalog
// objects, 20% blue areas with messages (half of them with questions) and 10%
// road segments, spread evenly over the terrain or a part of it. The same
// settings give the same items on every machine.
struct GeneratorSettings {
    std::size_t count = 1000;
    std::uint32_t seed = 1;
    // Where items stand: the whole terrain, or a part of it such as a street.
    struct Region {
        float x0 = -740, z0 = -740, x1 = 740, z1 = 740;
    } region;
    // Object meshes to choose from, e.g. "adam.mesh".
    std::vector<std::string> meshes;
};

std::vector<Item> generateItems(const GeneratorSettings& settings);

// The catalog's object meshes from objects.txt ("Name mesh w h" a line), without
// the road piece, which only the road tool places.
std::vector<std::string> catalogMeshes(const std::string& objectsText);

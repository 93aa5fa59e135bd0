#pragma once

#include "Image.h"

#include <set>
#include <string>
#include <vector>

namespace media {

// How a model material reacts to the scene's lights.
enum class Shading {
    Lit,          // lit by the ambient and directional lights
    Glowing,      // shows its own colour whatever the light (lamps)
    Translucent,  // see-through, glowing a little so it reads as a marked area
};

struct MaterialDef {
    std::string name;
    Colour colour;
    Shading shading = Shading::Lit;
    std::string texture;  // multiplied with the colour when set
};

// Every material the generated models may use.
const std::vector<MaterialDef>& materialLibrary();

// Throws std::out_of_range for a name that is not in the library.
const MaterialDef& findMaterial(const std::string& name);

// Fixed-function material script defining the named materials, in library order.
std::string materialScript(const std::set<std::string>& names);

}  // namespace media

#pragma once

#include "Image.h"
#include "Model.h"

#include <map>
#include <string>

namespace media {

// Draws a model in a three-quarter view from the front right and above, filling a square picture with a
// transparent background and a thin dark outline around the object.
class IconRenderer {
public:
    // `textures` holds the pictures that textured materials name.
    explicit IconRenderer(const std::map<std::string, Image>& textures) : textures_(textures) {}

    Image render(const Model& model, int width, int height) const;

private:
    const std::map<std::string, Image>& textures_;
};

}  // namespace media

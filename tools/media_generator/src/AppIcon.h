#pragma once

#include "Image.h"

#include <string>
#include <vector>

namespace media {

// The sizes of the editor's application icon, in pixels.
const std::vector<int>& appIconSizes();

// The icon at one size: a rounded tile with sky, a green hill, a tree and a
// blue area marker; transparent outside the tile.
Image paintAppIcon(int size);

// Writes <themeDir>/<N>x<N>/apps/sahne.png for every size, and the same picture as the
// scenario file type's icon (mimetypes/application-x-sahne-scenario.png); throws
// std::runtime_error on failure.
void writeAppIcons(const std::string& themeDir);

}  // namespace media

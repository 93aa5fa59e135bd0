#pragma once

#include "Image.h"

namespace media {

// Road deck seen from above: u across the road, v along it; kerb lines at the sides and a dashed centre line.
Image makeAsphaltTexture(int width, int height);

// A red flag with a white crescent and star, 3:2.
Image makeFlagTexture(int width, int height);

}  // namespace media

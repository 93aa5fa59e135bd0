#pragma once

#include "Image.h"
#include "scene/terrain/TerrainConfig.h"

namespace media {

// The ground's shape: a flat, low plain around the origin where the editing happens, rising into
// hills towards the edges of the page. Heights are fractions of MaxHeight (0..1).
class TerrainShape {
public:
    explicit TerrainShape(const TerrainConfig& config);

    // Height fraction at world x/z; the page is centred on the origin.
    float heightAt(float x, float z) const;

    // Radius around the origin inside which the ground is exactly at height 0.
    static constexpr float flatRadius = 240.0f;

private:
    float halfX_, halfZ_;
};

// Grey heightmap, PageSize x PageSize; row j is world z = -PageWorldZ/2 + j * step.
Image makeHeightmap(const TerrainConfig& config, const TerrainShape& shape);

// Colour texture of the whole page (grass, earth and dry grass on the hills), same orientation.
Image makeWorldTexture(const TerrainConfig& config, const TerrainShape& shape, int size);

// Bright, tileable fine-grain texture that is multiplied over the world texture.
Image makeDetailTexture(int size);

// Tileable blue sky with soft white clouds.
Image makeCloudTexture(int size);

}  // namespace media

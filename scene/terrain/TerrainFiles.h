#pragma once

#include <OgreDataStream.h>

#include <optional>
#include <string>
#include <vector>

namespace Ogre {
class Image;
}
struct TerrainConfig;

// Opens name from whichever resource group holds it; null when none does.
Ogre::DataStreamPtr openResource(const std::string& name);
// Opens the file at path; null when it cannot be read.
Ogre::DataStreamPtr openFile(const std::string& path);

// World heights, row by row, from a greyscale image of pageSize x pageSize
// pixels: its first channel (8 or 16 bit, read as 0..1) times maxHeight.
// Throws an Ogre::Exception naming imageName when the size does not match.
std::vector<float> heightsFromImage(const Ogre::Image& image, int pageSize, float maxHeight,
                                    const std::string& imageName);

// Finds, decodes and converts the configuration's heightmap. For a
// configuration read from disk, configDirectory is its folder ("" or ending in
// '/'): an image there comes before one of the same name in the resource
// groups. For one read from the resource groups (no directory) the groups come
// first, then the name as a path. Throws an Ogre::Exception with a readable
// description when the image is missing or unreadable.
std::vector<float> loadHeightmap(const TerrainConfig& config, const std::optional<std::string>& configDirectory);

#include "ShippedFiles.h"

#include <OgreException.h>

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace media {

std::vector<CatalogEntry> readShippedCatalog(const std::string& path) {
    CatalogReading reading = readObjectCatalog(path);
    if (!reading.warnings.empty()) throw std::runtime_error(reading.warnings.front());
    return reading.entries;
}

TerrainConfig readShippedTerrainConfig(const std::string& path) {
    std::ifstream in(path);
    if (!in) throw std::runtime_error("cannot read " + path);
    std::ostringstream text;
    text << in.rdbuf();
    try {
        return parseTerrainConfig(text.str(), path);
    } catch (const Ogre::Exception& e) {
        throw std::runtime_error(e.getDescription());
    }
}

}  // namespace media

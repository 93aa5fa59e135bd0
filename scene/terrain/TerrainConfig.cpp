#include "scene/terrain/TerrainConfig.h"

#include <OgreException.h>

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <map>
#include <sstream>

namespace {

std::string trim(const std::string& s) {
    const auto first = s.find_first_not_of(" \t\r");
    if (first == std::string::npos) return "";
    return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

[[noreturn]] void fail(const std::string& sourceName, const std::string& what) {
    OGRE_EXCEPT(Ogre::Exception::ERR_INVALIDPARAMS, "Bad terrain configuration \"" + sourceName + "\": " + what,
                "parseTerrainConfig");
}

class KeyValues {
public:
    KeyValues(const std::string& text, const std::string& sourceName) : sourceName(sourceName) {
        std::istringstream lines(text);
        std::string line;
        while (std::getline(lines, line)) {
            line = trim(line);
            if (line.empty() || line[0] == '#') continue;
            const auto eq = line.find('=');
            if (eq == std::string::npos) fail(sourceName, "the line \"" + line + "\" is not Key=Value");
            values[trim(line.substr(0, eq))] = trim(line.substr(eq + 1));
        }
    }

    std::string text(const std::string& key, bool required) const {
        const auto it = values.find(key);
        if (it == values.end() || it->second.empty()) {
            if (required) fail(sourceName, "the key " + key + " is missing");
            return "";
        }
        return it->second;
    }

    float number(const std::string& key, bool required, float fallback) const {
        const std::string value = text(key, required);
        if (value.empty()) return fallback;
        char* end = nullptr;
        errno = 0;
        const double parsed = std::strtod(value.c_str(), &end);
        if (errno != 0 || *end != '\0' || !std::isfinite(parsed))
            fail(sourceName, key + " = \"" + value + "\" is not a number");
        return static_cast<float>(parsed);
    }

    int wholeNumber(const std::string& key) const {
        const std::string value = text(key, true);
        char* end = nullptr;
        errno = 0;
        const long parsed = std::strtol(value.c_str(), &end, 10);
        if (errno != 0 || *end != '\0' || parsed < 0 || parsed > (1 << 16))
            fail(sourceName, key + " = \"" + value + "\" is not a whole number from 0 to 65536");
        return static_cast<int>(parsed);
    }

    const std::string& source() const { return sourceName; }

private:
    std::string sourceName;
    std::map<std::string, std::string> values;
};

bool isPowerOfTwoPlusOne(int n) {
    const int m = n - 1;
    return m >= 1 && (m & (m - 1)) == 0;
}

void requireGridSize(const KeyValues& kv, const std::string& key, int value) {
    if (!isPowerOfTwoPlusOne(value) || value < 3)
        fail(kv.source(), key + " = " + std::to_string(value) + " is not 2^n+1 (3, 5, 9, ..., 513, ...)");
}

void requirePositive(const KeyValues& kv, const std::string& key, float value) {
    if (!(value > 0)) fail(kv.source(), key + " must be greater than 0");
}

}  // namespace

TerrainConfig parseTerrainConfig(const std::string& text, const std::string& sourceName) {
    const KeyValues kv(text, sourceName);
    TerrainConfig config;
    config.worldTexture = kv.text("WorldTexture", false);
    config.detailTexture = kv.text("DetailTexture", false);
    config.heightmapImage = kv.text("Heightmap.image", true);
    config.pageSize = kv.wholeNumber("PageSize");
    config.tileSize = kv.wholeNumber("TileSize");
    config.pageWorldX = kv.number("PageWorldX", true, 0);
    config.pageWorldZ = kv.number("PageWorldZ", true, 0);
    config.maxHeight = kv.number("MaxHeight", true, 0);
    config.detailTile = kv.number("DetailTile", false, config.detailTile);

    requireGridSize(kv, "PageSize", config.pageSize);
    requireGridSize(kv, "TileSize", config.tileSize);
    if (config.tileSize > config.pageSize) fail(sourceName, "TileSize is larger than PageSize");
    requirePositive(kv, "PageWorldX", config.pageWorldX);
    requirePositive(kv, "PageWorldZ", config.pageWorldZ);
    if (config.maxHeight < 0) fail(sourceName, "MaxHeight must not be negative");
    requirePositive(kv, "DetailTile", config.detailTile);
    return config;
}

#include "TerrainConfig.h"

#include <map>
#include <stdexcept>

namespace media {

namespace {

std::string trimmed(const std::string& s) {
    size_t begin = s.find_first_not_of(" \t\r");
    if (begin == std::string::npos) return "";
    size_t end = s.find_last_not_of(" \t\r");
    return s.substr(begin, end - begin + 1);
}

const std::string& required(const std::map<std::string, std::string>& values, const std::string& key) {
    auto it = values.find(key);
    if (it == values.end() || it->second.empty()) throw std::runtime_error("terrain configuration lacks " + key);
    return it->second;
}

float number(const std::map<std::string, std::string>& values, const std::string& key) {
    const std::string& text = required(values, key);
    size_t used = 0;
    float value = 0;
    try {
        value = std::stof(text, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used != text.size() || !(value > 0)) throw std::runtime_error("terrain configuration: bad " + key);
    return value;
}

bool isPowerOfTwoPlusOne(int n) { return n > 2 && ((n - 1) & (n - 2)) == 0; }

}  // namespace

TerrainConfig parseTerrainConfig(std::istream& in) {
    std::map<std::string, std::string> values;
    std::string line;
    while (std::getline(in, line)) {
        line = trimmed(line);
        if (line.empty() || line[0] == '#') continue;
        size_t eq = line.find('=');
        if (eq == std::string::npos) continue;
        values[trimmed(line.substr(0, eq))] = trimmed(line.substr(eq + 1));
    }
    TerrainConfig config;
    config.worldTexture = required(values, "WorldTexture");
    config.detailTexture = required(values, "DetailTexture");
    config.heightmapImage = required(values, "Heightmap.image");
    float pageSize = number(values, "PageSize");
    config.pageSize = static_cast<int>(pageSize);
    if (pageSize != config.pageSize || !isPowerOfTwoPlusOne(config.pageSize))
        throw std::runtime_error("terrain configuration: PageSize must be 2^n+1");
    config.pageWorldX = number(values, "PageWorldX");
    config.pageWorldZ = number(values, "PageWorldZ");
    config.maxHeight = number(values, "MaxHeight");
    return config;
}

}  // namespace media

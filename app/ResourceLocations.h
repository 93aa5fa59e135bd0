#pragma once

#include <string>
#include <vector>

struct ResourceLocation {
    std::string group;     // the section the setting stands in
    std::string type;      // the setting's key, e.g. FileSystem or Zip
    std::string location;  // the setting's value
};

// The settings of a resource configuration file, in the order the engine's
// configuration reader yields them (tab, colon and equals sign separate key and value).
std::vector<ResourceLocation> readResourceLocations(const std::string& fileName);

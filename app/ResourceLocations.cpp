#include "app/ResourceLocations.h"

#include <OgreConfigFile.h>

std::vector<ResourceLocation> readResourceLocations(const std::string& fileName)
{
    Ogre::ConfigFile config;
    config.load(fileName, "\t:=", true);
    std::vector<ResourceLocation> locations;
    for (const auto& section : config.getSettingsBySection())
        for (const auto& setting : section.second)
            locations.push_back({section.first, setting.first, setting.second});
    return locations;
}

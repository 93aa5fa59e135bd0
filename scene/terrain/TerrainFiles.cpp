#include "scene/terrain/TerrainFiles.h"

#include "scene/terrain/TerrainConfig.h"

#include <OgreException.h>
#include <OgreColourValue.h>
#include <OgreImage.h>
#include <OgreResourceGroupManager.h>
#include <OgreString.h>

#include <fstream>
#include <memory>

Ogre::DataStreamPtr openResource(const std::string& name) {
    auto& groups = Ogre::ResourceGroupManager::getSingleton();
    if (!groups.resourceExistsInAnyGroup(name)) return Ogre::DataStreamPtr();
    return groups.openResource(name, groups.findGroupContainingResource(name));
}

Ogre::DataStreamPtr openFile(const std::string& path) {
    auto file = std::make_unique<std::ifstream>(path, std::ios::in | std::ios::binary);
    if (!*file) return Ogre::DataStreamPtr();
    return Ogre::DataStreamPtr(new Ogre::FileStreamDataStream(path, file.release(), true));
}

std::vector<float> heightsFromImage(const Ogre::Image& image, int pageSize, float maxHeight,
                                    const std::string& imageName) {
    if (int(image.getWidth()) != pageSize || int(image.getHeight()) != pageSize || image.getDepth() != 1) {
        OGRE_EXCEPT(Ogre::Exception::ERR_INVALIDPARAMS,
                    "The heightmap \"" + imageName + "\" is " + std::to_string(image.getWidth()) + " x " +
                        std::to_string(image.getHeight()) + " pixels, but PageSize asks for " +
                        std::to_string(pageSize) + " x " + std::to_string(pageSize),
                    "heightsFromImage");
    }
    std::vector<float> heights;
    heights.reserve(std::size_t(pageSize) * pageSize);
    for (int row = 0; row < pageSize; ++row) {
        for (int column = 0; column < pageSize; ++column)
            heights.push_back(image.getColourAt(column, row, 0).r * maxHeight);
    }
    return heights;
}

std::vector<float> loadHeightmap(const TerrainConfig& config, const std::optional<std::string>& configDirectory) {
    const std::string& name = config.heightmapImage;
    const bool absolute = !name.empty() && name[0] == '/';
    const std::string path = absolute || !configDirectory ? name : *configDirectory + name;
    Ogre::DataStreamPtr stream = configDirectory ? openFile(path) : openResource(name);
    if (!stream) stream = configDirectory ? openResource(name) : openFile(path);
    if (!stream) {
        OGRE_EXCEPT(Ogre::Exception::ERR_FILE_NOT_FOUND,
                    "The heightmap \"" + name + "\" named in the terrain configuration was found neither at \"" +
                        path + "\" nor in the resource groups",
                    "loadHeightmap");
    }
    std::string baseName, extension;
    Ogre::StringUtil::splitBaseFilename(name, baseName, extension);
    Ogre::StringUtil::toLowerCase(extension);
    Ogre::Image image;
    try {
        image.load(stream, extension);
    } catch (const Ogre::Exception& e) {
        OGRE_EXCEPT(Ogre::Exception::ERR_INVALIDPARAMS,
                    "The heightmap \"" + name + "\" cannot be read as an image: " + e.getDescription(),
                    "loadHeightmap");
    }
    return heightsFromImage(image, config.pageSize, config.maxHeight, name);
}

#include "Generator.h"

#include "IconRenderer.h"
#include "Materials.h"
#include "MeshExport.h"
#include "Models.h"
#include "OgreSession.h"
#include "ShippedFiles.h"
#include "TerrainImages.h"
#include "Textures.h"

#include <OgreDataStream.h>
#include <OgreMaterialManager.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <stdexcept>

namespace media {

namespace fs = std::filesystem;

namespace {

void writeText(const fs::path& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
    if (!out.flush()) throw std::runtime_error("cannot write " + path.string());
}

void writeTerrainImages(const TerrainConfig& config, const fs::path& textures) {
    TerrainShape shape(config);
    makeHeightmap(config, shape).savePng((textures / config.heightmapImage).string(), Image::Channels::Grey);
    makeWorldTexture(config, shape, 512).savePng((textures / config.worldTexture).string(), Image::Channels::Rgb);
    makeDetailTexture(256).savePng((textures / config.detailTexture).string(), Image::Channels::Rgb);
}

}  // namespace

void generateMedia(const GeneratorInput& input) {
    const auto catalog = readShippedCatalog(input.catalogFile);
    const auto terrain = readShippedTerrainConfig(input.terrainConfigFile);
    const fs::path media(input.mediaDir);
    const fs::path textures = media / "materials" / "textures", scripts = media / "materials" / "scripts",
                   models = media / "models";
    for (const fs::path& dir : {textures, scripts, models}) fs::create_directories(dir);

    writeTerrainImages(terrain, textures);
    makeCloudTexture(512).savePng((textures / "clouds.png").string(), Image::Channels::Rgb);
    const std::map<std::string, Image> modelTextures = {
        {"asfalt.png", makeAsphaltTexture(128, 512)},
        {"bayrak_kumas.png", makeFlagTexture(192, 128)},
    };
    for (const auto& [name, image] : modelTextures) image.savePng((textures / name).string(), Image::Channels::Rgb);

    std::map<std::string, Model> built;
    for (const std::string& name : modelNames()) built.emplace(name, buildModel(name));
    for (const CatalogEntry& entry : catalog)
        if (!built.count(entry.name)) throw std::runtime_error("catalog entry " + entry.name + " has no model");

    std::set<std::string> materials;
    for (const auto& [name, model] : built)
        for (const Part& part : model.parts()) materials.insert(findMaterial(part.material).name);
    const std::string script = materialScript(materials);
    writeText(scripts / "models.material", script);

    OgreSession session("media_generator.log");
    Ogre::DataStreamPtr stream(new Ogre::MemoryDataStream("models.material", const_cast<char*>(script.data()),
                                                          script.size(), false, true));
    Ogre::MaterialManager::getSingleton().parseScript(stream, Ogre::RGN_DEFAULT);
    for (const auto& [name, model] : built) exportMesh(model, name + ".mesh", (models / (name + ".mesh")).string());
    // The versions the editor draws while an item looks small: its round parts with half the segments.
    {
        const Model::Coarse coarse(0.5f);
        for (const std::string& name : modelNames())
            exportMesh(buildModel(name), name + ".far.mesh", (models / (name + ".far.mesh")).string());
    }

    IconRenderer icons(modelTextures);
    for (const CatalogEntry& entry : catalog)
        icons.render(pictureModel(entry.name), entry.width, entry.height)
            .savePng((textures / (entry.name + ".png")).string(), Image::Channels::Rgba);
}

}  // namespace media

#pragma once

#include <string>

// Where the tests find the staged runtime tree and the libraries' data.
namespace testpaths {
inline const std::string sourceDir = SAHNE_SOURCE_DIR;
inline const std::string workDir = SAHNE_RUNTIME_WORK_DIR;
inline const std::string mediaDir = SAHNE_RUNTIME_MEDIA_DIR;
inline const std::string musicDir = SAHNE_RUNTIME_MUSIC_DIR;
inline const std::string ceguiDataDir = SAHNE_CEGUI_DATA_DIR;
inline const std::string ogrePluginDir = SAHNE_OGRE_PLUGIN_DIR;
}  // namespace testpaths

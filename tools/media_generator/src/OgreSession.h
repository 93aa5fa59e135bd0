#pragma once

#include <memory>
#include <string>

namespace Ogre {
class Root;
class DefaultHardwareBufferManager;
class DefaultTextureManager;
class LogManager;
}  // namespace Ogre

namespace media {

// An engine without a render system: enough to build, save and load meshes and to parse material and
// overlay scripts (textures are named, never loaded).
class OgreSession {
public:
    // The engine log goes to `logFile` only, never to the console.
    explicit OgreSession(const std::string& logFile = "media_generator.log");
    ~OgreSession();
    OgreSession(const OgreSession&) = delete;
    OgreSession& operator=(const OgreSession&) = delete;

private:
    std::unique_ptr<Ogre::LogManager> log_;
    std::unique_ptr<Ogre::Root> root_;
    std::unique_ptr<Ogre::DefaultHardwareBufferManager> buffers_;
    std::unique_ptr<Ogre::DefaultTextureManager> textures_;
};

}  // namespace media

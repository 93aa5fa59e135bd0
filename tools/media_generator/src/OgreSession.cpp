#include "OgreSession.h"

#include <OgreDefaultHardwareBufferManager.h>
#include <OgreLogManager.h>
#include <OgreMaterialManager.h>
#include <OgreMeshManager.h>
#include <OgreRoot.h>
#include <OgreTextureManager.h>

namespace media {

OgreSession::OgreSession(const std::string& logFile) : log_(std::make_unique<Ogre::LogManager>()) {
    log_->createLog(logFile, true, false, false);
    root_ = std::make_unique<Ogre::Root>("", "", "");
    buffers_ = std::make_unique<Ogre::DefaultHardwareBufferManager>();
    textures_ = std::make_unique<Ogre::DefaultTextureManager>();
    Ogre::MaterialManager::getSingleton().initialise();
    Ogre::MeshManager::getSingleton()._initialise();
}

OgreSession::~OgreSession() {
    // The texture manager unregisters from the resource groups, which the root owns.
    textures_.reset();
    root_.reset();
    buffers_.reset();
    log_.reset();
}

}  // namespace media

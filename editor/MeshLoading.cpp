#include "editor/MeshLoading.h"

#include "app/Notice.h"

#include <OgreException.h>
#include <OgreMeshManager.h>
#include <OgreResourceGroupManager.h>

bool loadMeshOrNotify(const std::string& meshFile)
{
    try {
        Ogre::MeshManager::getSingleton().load(meshFile,
                                               Ogre::ResourceGroupManager::AUTODETECT_RESOURCE_GROUP_NAME);
        return true;
    } catch (const Ogre::Exception& e) {
        showNotice("\"" + meshFile + "\" modeli yuklenemedi; hicbir sey yerlestirilmedi: " + e.getDescription());
        return false;
    }
}

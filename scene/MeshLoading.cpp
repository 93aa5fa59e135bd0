#include "scene/MeshLoading.h"

#include <OgreException.h>
#include <OgreMeshManager.h>
#include <OgreResourceGroupManager.h>

std::string meshLoadProblem(const std::string& meshFile)
{
    try {
        Ogre::MeshManager::getSingleton().load(meshFile, Ogre::ResourceGroupManager::AUTODETECT_RESOURCE_GROUP_NAME);
        return "";
    } catch (const Ogre::Exception& e) {
        return "\"" + meshFile + "\" modeli yuklenemedi; hicbir sey yerlestirilmedi: " + e.getDescription();
    }
}

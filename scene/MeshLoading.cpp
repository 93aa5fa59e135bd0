#include "scene/MeshLoading.h"

#include <OgreException.h>
#include <OgreMeshManager.h>
#include <OgreResourceGroupManager.h>

#include <cstdio>

std::string meshLoadProblem(const std::string& meshFile)
{
    try {
        Ogre::MeshManager::getSingleton().load(meshFile, Ogre::ResourceGroupManager::AUTODETECT_RESOURCE_GROUP_NAME);
        return "";
    } catch (const Ogre::Exception& e) {
        std::fprintf(stderr, "sahne: %s: %s\n", meshFile.c_str(), e.getDescription().c_str());
        const bool missing = dynamic_cast<const Ogre::FileNotFoundException*>(&e) != nullptr;
        return "\"" + meshFile + "\" modeli yuklenemedi ("
             + (missing ? "model dosyasi bulunamadi" : "model dosyasi okunamadi ya da bozuk") + ")";
    }
}

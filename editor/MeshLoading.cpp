#include "editor/MeshLoading.h"

#include "app/Notice.h"

#include <OgreException.h>
#include <OgreMeshManager.h>
#include <OgreResourceGroupManager.h>

#include <cstdio>

bool loadMeshOrNotify(const std::string& meshFile)
{
    try {
        Ogre::MeshManager::getSingleton().load(meshFile,
                                               Ogre::ResourceGroupManager::AUTODETECT_RESOURCE_GROUP_NAME);
        return true;
    } catch (const Ogre::Exception& e) {
        showNotice("\"" + meshFile + "\" modeli yuklenemedi (" + meshLoadProblem(meshFile, e)
                   + "); hicbir sey yerlestirilmedi.");
        return false;
    }
}

std::string meshLoadProblem(const std::string& meshFile, const Ogre::Exception& error)
{
    std::fprintf(stderr, "sahne: %s: %s\n", meshFile.c_str(), error.getDescription().c_str());
    if (dynamic_cast<const Ogre::FileNotFoundException*>(&error))
        return "model dosyasi bulunamadi";
    return "model dosyasi okunamadi ya da bozuk";
}

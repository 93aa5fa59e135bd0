#pragma once

#include <string>

namespace Ogre {
class Exception;
}

// Loads the mesh file unless it is loaded already. When the engine cannot load
// it, the user is told which mesh failed and false is returned; nothing else
// has changed then.
bool loadMeshOrNotify(const std::string& meshFile);

// Why the engine could not load a mesh, in a few Turkish words for a notice
// ("model dosyasi bulunamadi", ...); the engine's own text goes to standard error.
std::string meshLoadProblem(const std::string& meshFile, const Ogre::Exception& error);

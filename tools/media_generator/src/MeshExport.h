#pragma once

#include "Model.h"

#include <OgreMesh.h>

#include <string>

namespace media {

// Builds an engine mesh with one submesh per model part (positions, normals, texture coordinates).
// The part materials must already be known to the material manager.
Ogre::MeshPtr toMesh(const Model& model, const std::string& meshName);

// Writes the model as a binary mesh file; throws Ogre exceptions on failure.
void exportMesh(const Model& model, const std::string& meshName, const std::string& path);

}  // namespace media

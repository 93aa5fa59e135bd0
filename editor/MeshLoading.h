#pragma once

#include <string>

// Loads the mesh file unless it is loaded already. When the engine cannot load
// it, the user is told which mesh failed and false is returned; nothing else
// has changed then.
bool loadMeshOrNotify(const std::string& meshFile);

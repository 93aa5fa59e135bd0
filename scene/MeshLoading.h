#pragma once

#include <string>

// Loads the mesh file unless it is loaded already. Returns "" when the mesh is
// there, else a notice for the user that names the mesh.
std::string meshLoadProblem(const std::string& meshFile);

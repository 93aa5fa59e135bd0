#pragma once

#include <string>

// Loads the mesh file unless it is loaded already. Returns "" when the mesh is
// there, else what went wrong in a few Turkish words that name the mesh
// ("\"x.mesh\" modeli yuklenemedi (model dosyasi bulunamadi)"); the engine's own
// text goes to standard error.
std::string meshLoadProblem(const std::string& meshFile);

#pragma once

#include <OgreMaterial.h>

// Instanced copies carry, from this texture coordinate set on (uv1 to uv7),
// the four rows of their world-view-projection matrix and the three rows of
// their world matrix.
constexpr unsigned short instancedRowsFirstUv = 1;

// The material drawn for instanced copies of a mesh part: the same passes,
// colours and textures, with a vertex program that places each copy by its
// rows and lights it as the fixed pipeline lights an entity (the scene's
// ambient light and up to two directional lights, per vertex). Made once per
// material, named after it with "/instanced" added.
Ogre::MaterialPtr instancedVersionOf(const Ogre::MaterialPtr& material);

// Makes solid passes draw in an order fixed by their materials' names, the
// same for a material and its instanced version: where faces of two items of
// different materials meet at one depth, the same one shows whether the items
// are drawn as entities or as instanced copies, and in every run of the
// program (the engine's own order follows where the passes lie in memory).
// Call it before anything is drawn.
void orderPassesByMaterialName();

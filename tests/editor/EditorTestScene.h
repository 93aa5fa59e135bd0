#pragma once

#include "editor/EditorSession.h"

#include <OgreVector.h>

#include <string>

namespace Ogre {
class Camera;
class SceneManager;
}

// A headless engine with the terrain scene manager over a small test terrain,
// the camera "PlayerCam" looking down on the origin, the cursor node and
// simple box meshes "kup.mesh", "yol.mesh" and "testadam.mesh".
//
// The terrain spans -200..200 in x and z. It is flat at height 0 for x up to
// 100 and rises from there towards the +x edge (terrainHeightAt gives the height).
// The engine and the meshes live for the whole test program; each scene is new.
class EditorTestScene {
public:
    EditorTestScene();
    ~EditorTestScene();

    // The normalised viewport coordinates (0..1 across and down) at which the
    // camera sees the world point.
    Ogre::Vector2 project(const Ogre::Vector3& world) const;
    // Rebuilds the scene's world bounds after nodes moved (picks test them).
    void updateBounds();

    static float terrainHeightAt(float x);

    Ogre::SceneManager* sceneManager = nullptr;
    Ogre::Camera* camera = nullptr;
    EditorSession session;
};

#pragma once

#include "document/Item.h"

#include <OgreVector.h>

#include <optional>
#include <vector>

namespace Ogre {
class Camera;
class RaySceneQuery;
class SceneManager;
}
class SceneMirror;

// A point in the camera view: 0..1 across and down the picture.
struct ViewPoint {
    float x = 0, y = 0;
};

// What a pick ray meets, nearest first: placed items and the terrain.
struct PickHit {
    std::optional<ItemId> item;           // a placed item
    std::optional<Ogre::Vector3> ground;  // the terrain, where the ray meets it
};

class ScenePicker {
public:
    ScenePicker(Ogre::SceneManager& sceneManager, Ogre::Camera& camera, const SceneMirror& mirror);
    ~ScenePicker();
    ScenePicker(const ScenePicker&) = delete;
    ScenePicker& operator=(const ScenePicker&) = delete;

    std::vector<PickHit> pick(ViewPoint at);
    // The first terrain point under the view point, if the ray meets the terrain.
    std::optional<Ogre::Vector3> groundAt(ViewPoint at);

private:
    Ogre::SceneManager& sceneManager;
    Ogre::Camera& camera;
    const SceneMirror& mirror;
    Ogre::RaySceneQuery* query;
};

#pragma once

#include "document/Item.h"

#include <OgreVector.h>

#include <optional>
#include <utility>
#include <vector>

namespace Ogre {
class Camera;
class Ray;
class SceneManager;
}
class SceneMirror;
class TerrainSceneManager;

// A point in the camera view: 0..1 across and down the picture.
struct ViewPoint {
    float x = 0, y = 0;
};

// What a pick ray meets, nearest first: placed items and the terrain.
struct PickHit {
    std::optional<ItemId> item;           // a placed item
    std::optional<Ogre::Vector3> ground;  // the terrain, where the ray meets it
};

// Picks through the mirror's grid and the terrain's heightfield: the answers
// of a scene query for placed items and world geometry, without walking every
// object in the scene.
class ScenePicker {
public:
    ScenePicker(Ogre::SceneManager& sceneManager, Ogre::Camera& camera, const SceneMirror& mirror);
    ~ScenePicker();
    ScenePicker(const ScenePicker&) = delete;
    ScenePicker& operator=(const ScenePicker&) = delete;

    std::vector<PickHit> pick(ViewPoint at);
    std::vector<PickHit> pick(const Ogre::Ray& ray);
    // The first terrain point under the view point, if the ray meets the terrain.
    std::optional<Ogre::Vector3> groundAt(ViewPoint at);
    // Whether the ground point (x, z) lies on the terrain.
    bool onTerrain(float x, float z) const;
    // Where the camera sees the world point; empty when it lies behind the camera.
    std::optional<ViewPoint> viewPointOf(const Ogre::Vector3& world) const;
    // The items whose position (where they stand, as drawn) the camera sees
    // inside the rectangle between two view points, in the order of items.
    std::vector<ItemId> itemsInside(ViewPoint corner, ViewPoint oppositeCorner, const std::vector<Item>& items) const;

private:
    Ogre::Camera& camera;
    const SceneMirror& mirror;
    // The terrain of a terrain scene manager; other scenes have none.
    const TerrainSceneManager* terrain;
    std::vector<std::pair<ItemId, float>> itemHits;
};

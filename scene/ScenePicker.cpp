#include "scene/ScenePicker.h"

#include "scene/SceneMirror.h"

#include <OgreCamera.h>
#include <OgreSceneManager.h>
#include <OgreRay.h>

#include "scene/terrain/TerrainSceneManager.h"

#include <algorithm>
#include <string>

ScenePicker::ScenePicker(Ogre::SceneManager& sceneManager, Ogre::Camera& camera, const SceneMirror& mirror)
    : camera(camera), mirror(mirror), terrain(terrainOf(sceneManager))
{
}

ScenePicker::~ScenePicker() = default;

std::vector<PickHit> ScenePicker::pick(ViewPoint at)
{
    return pick(camera.getCameraToViewportRay(at.x, at.y));
}

std::vector<PickHit> ScenePicker::pick(const Ogre::Ray& ray)
{
    struct Found {
        Ogre::Real distance;
        PickHit hit;
    };
    std::vector<Found> found;
    // The terrain comes first and the items by engine name, as a scene query
    // lists them, so that among equal distances the order is the query's too.
    if (terrain)
        if (const auto ground = terrain->intersectTerrain(ray))
            found.push_back({ground->distance, PickHit{std::nullopt, ground->point}});
    itemHits.clear();
    mirror.itemsAlong(ray, itemHits);
    std::sort(itemHits.begin(), itemHits.end(),
              [](const auto& a, const auto& b) { return std::to_string(a.first) < std::to_string(b.first); });
    for (const auto& [id, distance] : itemHits)
        found.push_back({distance, PickHit{id, std::nullopt}});
    std::stable_sort(found.begin(), found.end(), [](const Found& a, const Found& b) { return a.distance < b.distance; });

    std::vector<PickHit> hits;
    hits.reserve(found.size());
    for (Found& f : found)
        hits.push_back(std::move(f.hit));
    return hits;
}

std::optional<Ogre::Vector3> ScenePicker::groundAt(ViewPoint at)
{
    for (const PickHit& hit : pick(at))
        if (hit.ground)
            return hit.ground;
    return std::nullopt;
}

bool ScenePicker::onTerrain(float x, float z) const { return terrain && terrain->getHeightAt(x, z).has_value(); }

std::optional<ViewPoint> ScenePicker::viewPointOf(const Ogre::Vector3& world) const
{
    const Ogre::Vector4 clip = camera.getProjectionMatrix() * camera.getViewMatrix() * Ogre::Vector4(world);
    if (clip.w <= 0)
        return std::nullopt;
    return ViewPoint{(clip.x / clip.w + 1) / 2, (1 - clip.y / clip.w) / 2};
}

std::vector<ItemId> ScenePicker::itemsInside(ViewPoint corner, ViewPoint oppositeCorner,
                                             const std::vector<Item>& items) const
{
    const float left = std::min(corner.x, oppositeCorner.x), right = std::max(corner.x, oppositeCorner.x);
    const float top = std::min(corner.y, oppositeCorner.y), bottom = std::max(corner.y, oppositeCorner.y);
    std::vector<ItemId> inside;
    for (const Item& item : items) {
        const std::optional<Ogre::Vector3> position = mirror.positionOf(item.id);
        const std::optional<ViewPoint> seen = position ? viewPointOf(*position) : std::nullopt;
        if (seen && seen->x >= left && seen->x <= right && seen->y >= top && seen->y <= bottom)
            inside.push_back(item.id);
    }
    return inside;
}

#include "scene/ScenePicker.h"

#include "scene/SceneMirror.h"

#include <OgreCamera.h>
#include <OgreSceneManager.h>
#include <OgreSceneQuery.h>

ScenePicker::ScenePicker(Ogre::SceneManager& sceneManager, Ogre::Camera& camera, const SceneMirror& mirror)
    : sceneManager(sceneManager), camera(camera), mirror(mirror),
      query(sceneManager.createRayQuery(Ogre::Ray(), SceneMirror::placedItemFlag))
{
    query->setSortByDistance(true, 0);
}

ScenePicker::~ScenePicker() { sceneManager.destroyQuery(query); }

std::vector<PickHit> ScenePicker::pick(ViewPoint at)
{
    query->setRay(camera.getCameraToViewportRay(at.x, at.y));
    std::vector<PickHit> hits;
    for (const Ogre::RaySceneQueryResultEntry& entry : query->execute()) {
        PickHit hit;
        if (entry.worldFragment)
            hit.ground = entry.worldFragment->singleIntersection;
        else if (entry.movable)
            hit.item = mirror.itemOf(entry.movable);
        if (hit.item || hit.ground)
            hits.push_back(hit);
    }
    return hits;
}

std::optional<Ogre::Vector3> ScenePicker::groundAt(ViewPoint at)
{
    for (const PickHit& hit : pick(at))
        if (hit.ground)
            return hit.ground;
    return std::nullopt;
}

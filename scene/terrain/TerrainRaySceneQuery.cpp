#include "scene/terrain/TerrainRaySceneQuery.h"

#include "scene/terrain/TerrainSceneManager.h"

#include <OgreSceneNode.h>

TerrainRaySceneQuery::TerrainRaySceneQuery(TerrainSceneManager* creator)
    : Ogre::DefaultRaySceneQuery(creator), terrainManager(creator) {
    mSupportedWorldFragments.insert(WFT_SINGLE_INTERSECTION);
    mWorldFragmentType = WFT_SINGLE_INTERSECTION;
    fragment.fragmentType = WFT_SINGLE_INTERSECTION;
    fragment.planes = nullptr;
    fragment.geometry = nullptr;
    fragment.renderOp = nullptr;
}

void TerrainRaySceneQuery::execute(Ogre::RaySceneQueryListener* listener) {
    terrainManager->getRootSceneNode()->_update(true, false);

    const bool wantsTerrain = mWorldFragmentType == WFT_SINGLE_INTERSECTION &&
                              (mQueryTypeMask & Ogre::SceneManager::WORLD_GEOMETRY_TYPE_MASK) != 0;
    if (wantsTerrain) {
        if (const auto hit = terrainManager->intersectTerrain(mRay)) {
            fragment.singleIntersection = hit->point;
            if (!listener->queryResult(&fragment, hit->distance)) return;
        }
    }
    Ogre::DefaultRaySceneQuery::execute(listener);
}

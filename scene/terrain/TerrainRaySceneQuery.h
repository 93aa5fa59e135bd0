#pragma once

#include <OgreSceneManager.h>

class TerrainSceneManager;

// Reports the terrain hit as one WFT_SINGLE_INTERSECTION world fragment (when
// the query type mask includes world geometry and the fragment type is not
// WFT_NONE), followed by the bounding-box hits of the default query. Result
// entries carry either a movable or a world fragment, never both.
class TerrainRaySceneQuery : public Ogre::DefaultRaySceneQuery {
public:
    explicit TerrainRaySceneQuery(TerrainSceneManager* creator);

    using Ogre::RaySceneQuery::execute;
    // Brings the scene's world bounds up to date first, so objects moved since
    // the last frame are found where they now are.
    void execute(Ogre::RaySceneQueryListener* listener) override;

private:
    TerrainSceneManager* terrainManager;
    WorldFragment fragment;
};
